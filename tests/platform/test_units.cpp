#include "platform/units.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

namespace {

TEST(Units, TwipsRoundToTheNearestPixelHalvesToEven)
{
    struct Case {
        double twips;
        int pixels;
    };
    const Case cases[] = {
        {0, 0},       {15, 1},       {14, 1},      {7.4, 0},      {7.5, 0},     {22.5, 2},
        {37.5, 2},    {52.5, 4},     {-22.5, -2},  {-7.5, 0},     {9600, 640},  {-999, -67},
        {1e300, INT_MAX}, {-1e300, INT_MIN}, {NAN, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(twipsToPixels(c.twips), c.pixels) << c.twips << " twips";
}

TEST(Units, PixelsAndTwipsRoundTrip)
{
    for (int px : {-3, 0, 1, 640, 1921})
        EXPECT_EQ(twipsToPixels(pixelsToTwips(px)), px);
    EXPECT_EQ(pixelsToTwips(3), 45.0);
    EXPECT_EQ(twipsToRect(1500, 750, 9600, 7200), QRect(100, 50, 640, 480));
    EXPECT_EQ(twipsToPoint(-15, 22.5), QPoint(-1, 2));
}

TEST(Units, BgrValuesHoldBlueInTheHighByte)
{
    struct Case {
        std::uint32_t bgr;
        QColor color;
    };
    const Case cases[] = {
        {0x0000FF, QColor(255, 0, 0)},
        {0x008000, QColor(0, 128, 0)},
        {0xFF0000, QColor(0, 0, 255)},
        {0xFFFFC0, QColor(0xC0, 0xFF, 0xFF)},
        {0x80100C, QColor(0x0C, 0x10, 0x80)},
        {0xFF0000FF, QColor(255, 0, 0)}, // only the low 24 bits are a colour
    };
    for (const Case& c : cases) {
        EXPECT_EQ(colorFromBgr(c.bgr), c.color) << std::hex << c.bgr;
        EXPECT_EQ(bgrFromColor(c.color), c.bgr & 0xFFFFFF) << std::hex << c.bgr;
    }
}

} // namespace

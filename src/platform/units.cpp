#include "platform/units.h"

#include "quizfile/Numbers.h"

#include <climits>
#include <cmath>

int twipsToPixels(double twips)
{
    if (std::isnan(twips))
        return 0;
    const long long pixels = quizfile::roundHalfEven(twips / TwipsPerPixel);
    if (pixels > INT_MAX)
        return INT_MAX;
    if (pixels < INT_MIN)
        return INT_MIN;
    return static_cast<int>(pixels);
}

double pixelsToTwips(int pixels)
{
    return static_cast<double>(pixels) * TwipsPerPixel;
}

QPoint twipsToPoint(double left, double top)
{
    return {twipsToPixels(left), twipsToPixels(top)};
}

QRect twipsToRect(double left, double top, double width, double height)
{
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

QColor colorFromBgr(std::uint32_t bbggrr)
{
    return QColor(static_cast<int>(bbggrr & 0xFF), static_cast<int>((bbggrr >> 8) & 0xFF),
                  static_cast<int>((bbggrr >> 16) & 0xFF));
}

std::uint32_t bgrFromColor(const QColor& color)
{
    const QColor rgb = color.toRgb();
    return static_cast<std::uint32_t>(rgb.red()) | static_cast<std::uint32_t>(rgb.green()) << 8
        | static_cast<std::uint32_t>(rgb.blue()) << 16;
}

#pragma once

// Geometry is kept in twips (1/1440 inch) and colours as &HBBGGRR values;
// the screen is taken to have 15 twips a pixel.

#include <QColor>
#include <QPoint>
#include <QRect>

#include <cstdint>

inline constexpr int TwipsPerPixel = 15;

// Rounded to the nearest pixel, halves to even; out-of-range values are
// clamped and NaN gives 0.
int twipsToPixels(double twips);
double pixelsToTwips(int pixels);

QPoint twipsToPoint(double left, double top);
QRect twipsToRect(double left, double top, double width, double height);

// The low 24 bits, blue in the high byte: &HFFFFC0 is a pale cyan.
QColor colorFromBgr(std::uint32_t bbggrr);
std::uint32_t bgrFromColor(const QColor& color);

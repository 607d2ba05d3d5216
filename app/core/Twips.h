#pragma once

#include <QtGlobal>

namespace fonkel::twips {

// The window arithmetic is kept in twips (1/1440 inch) and converted to
// pixels only where a widget is placed: 15 twips per pixel at 96 dpi.
inline constexpr int PerPixel = 15;

constexpr int toPixels(double twips)
{
    return qRound(twips / PerPixel);
}

constexpr int fromPixels(int pixels)
{
    return pixels * PerPixel;
}

} // namespace fonkel::twips

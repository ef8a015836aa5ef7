// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>

// The preview and credits windows are designed in twips, 1440 to the inch,
// which is 15 to the pixel at 96 dots per inch. Their arithmetic stays in
// twips; these turn it into whole pixels only where a widget is placed.
namespace Twips {

inline constexpr int PerPixel = 15;

// To the nearest whole pixel, halves away from zero.
int toPixels(double twips);
QRect toPixels(const QRect &twips);

constexpr int fromPixels(int pixels)
{
    return pixels * PerPixel;
}

} // namespace Twips

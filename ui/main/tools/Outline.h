// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QRect>

class QPainter;

// The outlines the tools draw over the map, on the border pixels of a view
// rectangle: dashes of black and white, which show on any tile.
namespace Outline {

inline const QColor Dark(0, 0, 0);
inline const QColor Light(255, 255, 255);
inline constexpr int Dash = 4;

void dashed(QPainter &painter, const QRect &rect);

} // namespace Outline

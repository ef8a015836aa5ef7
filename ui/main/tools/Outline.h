// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QRect>

class QPainter;

// How the tools mark cells over the map, in view pixels. A frame of two
// solid rings on the border pixels of a view rectangle, dark outside and
// bright inside: on a dark tile the bright ring stands out, on a light one
// the dark ring, and on a busy black-and-white tile the yellow, a colour no
// such tile has. A selection or a dragged rectangle is also tinted inside,
// so it shows where its frame is out of view (Select All) and at zooms
// where a tile is a few pixels.
namespace Outline {

inline const QColor Dark(0, 0, 0);
inline const QColor Bright(255, 214, 0);
inline const QColor Tint(30, 120, 255, 96);

// The two rings on the border pixels of rect.
void frame(QPainter &painter, const QRect &rect);

// The tint over rect and the frame around it.
void area(QPainter &painter, const QRect &rect);

} // namespace Outline

// SPDX-License-Identifier: MIT
#pragma once

#include <QPointF>

#include <array>

// The map view's zoom: its levels, what a view position means in map pixels,
// and how far the scroll bars reach. A scroll value always stands for the
// same map distance (the steps of Scrolling.h), so zooming by the keyboard
// keeps the map pixel at the view's top-left where it is.
namespace ViewZoom {

inline constexpr std::array<int, 7> Levels{25, 50, 100, 200, 300, 400, 800};
inline constexpr int ActualSize = 100;

// The next level up or down; the largest and the smallest stay as they are.
int zoomIn(int percent);
int zoomOut(int percent);

// A length in map pixels as drawn at the zoom, in view pixels. Every level
// draws a tile at a whole number of pixels (4 at 25 %).
constexpr int toView(int mapPixels, int percent)
{
    return mapPixels * percent / 100;
}

// A position on the zoomed canvas as a position on the map picture.
constexpr QPointF toMap(QPointF viewPosition, int percent)
{
    return viewPosition * 100.0 / percent;
}

// The largest scroll values at the zoom for a view of the given size in
// view pixels: the steps that the specified ranges allow at 100 %, or more
// where the zoom needs them to bring the grid's far edge into view.
int horizontalMax(int percent, int viewWidth);
int verticalMax(int percent, int viewHeight);

// The canvas's offset in the view at a scroll value (never positive).
int canvasLeft(int horizontalValue, int percent);
int canvasTop(int verticalValue, int percent);

// The scroll value that brings the map pixel mapPixel nearest to the view
// pixel viewPixel at the zoom, for steps of step map pixels, within
// 0..maximum.
int valueKeeping(qreal mapPixel, qreal viewPixel, int percent, int step, int maximum);

} // namespace ViewZoom

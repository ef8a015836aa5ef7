// SPDX-License-Identifier: MIT
#include "core/state/ViewZoom.h"

#include "core/render/TileGeometry.h"
#include "core/state/Scrolling.h"

#include <algorithm>
#include <cmath>

namespace ViewZoom {

namespace {

int reachingMax(int percent, int viewSize, int gridPixels, int step, int specifiedMax)
{
    // The view shows viewSize * 100 / percent map pixels; the last value
    // must bring the grid's far edge into it.
    const int hidden = gridPixels * percent - viewSize * 100;
    const int needed = hidden <= 0 ? 0 : (hidden + step * percent - 1) / (step * percent);
    return std::max(specifiedMax, needed);
}

} // namespace

int zoomIn(int percent)
{
    const auto next = std::upper_bound(Levels.begin(), Levels.end(), percent);
    return next == Levels.end() ? Levels.back() : *next;
}

int zoomOut(int percent)
{
    const auto at = std::lower_bound(Levels.begin(), Levels.end(), percent);
    return at == Levels.begin() ? Levels.front() : *(at - 1);
}

int horizontalMax(int percent, int viewWidth)
{
    return reachingMax(percent, viewWidth, Tiles::GridColumns * Tiles::TileSize,
                       Scrolling::HorizontalStep, Scrolling::HorizontalMax);
}

int verticalMax(int percent, int viewHeight)
{
    return reachingMax(percent, viewHeight, Tiles::GridRows * Tiles::TileSize,
                       Scrolling::VerticalStep, Scrolling::VerticalMax);
}

int canvasLeft(int horizontalValue, int percent)
{
    return toView(Scrolling::canvasLeft(horizontalValue), percent);
}

int canvasTop(int verticalValue, int percent)
{
    return toView(Scrolling::canvasTop(verticalValue), percent);
}

int valueKeeping(qreal mapPixel, qreal viewPixel, int percent, int step, int maximum)
{
    const qreal left = mapPixel - viewPixel * 100.0 / percent;
    const int value = static_cast<int>(std::lround(left / step));
    return std::clamp(value, 0, maximum);
}

} // namespace ViewZoom

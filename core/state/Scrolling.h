// SPDX-License-Identifier: MIT
#pragma once

// The map view's fixed scroll steps: the scroll bars' ranges do not depend on
// the map size and reach the far edges of the largest canvas (4096 x 2048).
namespace Scrolling {

inline constexpr int HorizontalMax = 35;
inline constexpr int HorizontalStep = 100;
inline constexpr int VerticalMax = 45;
inline constexpr int VerticalStep = 35;

constexpr int canvasLeft(int horizontalValue)
{
    return -(horizontalValue * HorizontalStep);
}

constexpr int canvasTop(int verticalValue)
{
    return -(verticalValue * VerticalStep);
}

} // namespace Scrolling

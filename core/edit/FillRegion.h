// SPDX-License-Identifier: MIT
#pragma once

#include "core/history/PackedState.h"

#include <QPoint>
#include <QRect>

#include <vector>

// The rule of the bucket fill: which cells a fill from one cell reaches.
namespace FillRegion {

// The cells of area that are 4-connected to start through cells holding
// start's tile, start included, as grid indices (row * 256 + column) in
// ascending order. Empty when start lies outside area. area must lie inside
// the grid. Runs in constant stack whatever the region's shape.
std::vector<int> cells(const PackedState::Grid &grid, const QRect &area, QPoint start);

} // namespace FillRegion

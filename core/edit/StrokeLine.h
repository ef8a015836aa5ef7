// SPDX-License-Identifier: MIT
#pragma once

#include <QPoint>

#include <vector>

// The rule that makes a drag paint what the pointer passed over.
namespace StrokeLine {

// The cells of the line from one cell to another, both ends included, in
// order from `from`: one cell per step along the longer axis (Bresenham),
// so consecutive cells touch at a side or a corner.
std::vector<QPoint> cells(QPoint from, QPoint to);

} // namespace StrokeLine

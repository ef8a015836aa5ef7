// SPDX-License-Identifier: MIT
#pragma once

#include <QPoint>

#include <vector>

class EditorState;

// Finding a tile on the map.
namespace TileFinding {

// The map's cells (TileBudget::mapCells) that hold the tile, row by row.
std::vector<QPoint> cellsHolding(const EditorState &state, int tile);

// The scroll bar values (horizontal, vertical) whose view shows the cell,
// at or near the view's top-left corner.
QPoint scrollValuesShowing(QPoint cell);

} // namespace TileFinding

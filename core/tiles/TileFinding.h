// SPDX-License-Identifier: MIT
#pragma once

#include <QPoint>

#include <vector>

class EditorState;

// Finding a tile on the map.
namespace TileFinding {

// The map's cells (TileBudget::mapCells) that hold the tile, row by row.
std::vector<QPoint> cellsHolding(const EditorState &state, int tile);

// Those of the cells that still hold the tile and lie on the map, in their
// order: what is left to show of an earlier find after the map changed.
std::vector<QPoint> cellsStillHolding(const EditorState &state, int tile,
                                      const std::vector<QPoint> &cells);

// The scroll bar values (horizontal, vertical) whose view shows the cell,
// at or near the view's top-left corner.
QPoint scrollValuesShowing(QPoint cell);

} // namespace TileFinding

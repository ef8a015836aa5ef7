// SPDX-License-Identifier: MIT
#pragma once

#include <QPointF>

class EditorState;

// The rules of painting with the mouse on the map canvas.
namespace Painting {

struct Cell
{
    int column = 0;
    int row = 0;
    friend bool operator==(const Cell &, const Cell &) = default;
};

// The grid cell under a canvas pixel position: truncated toward zero, then
// clamped to the grid (not the map), so a drag beyond the canvas stays on it.
Cell cellAt(QPointF canvasPosition);

// Follows the pointer over the canvas: the cell under canvasPosition becomes
// the paint position (the brush goes to its top-left pixel) and the cursor
// panel names it ("Cursor Loc: 12, 5"). Returns the cell, where the window
// puts its outline.
Cell hover(EditorState &state, QPointF canvasPosition);

// One painting tick: copies the brush to the paint position (selectedTileX,
// selectedTileY) and stores selectedTile there. A position outside the map
// paints nothing, so the grid never changes in cells the canvas does not
// show. Returns whether a cell was painted. A change is recorded as a step
// of the undo history, merged into the stroke the history has open.
bool paintTick(EditorState &state);

} // namespace Painting

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

// The cell of the paint position (selectedTileX, selectedTileY).
Cell paintPosition(const EditorState &state);

// One painting tick: puts the brush (EditorState::brush(): the selected
// tile, or a stamp with its top-left tile there) at the paint position and
// draws the cells from the sheet in use. A position outside the map paints
// nothing, and a stamp is clipped at the map's edges, so the grid never
// changes in cells the canvas does not show. Returns whether a cell of the
// map was painted. A change is recorded as a step of the undo history,
// merged into the stroke the history has open.
bool paintTick(EditorState &state);

// The brush at one cell, as a tick at that paint position puts it (a click
// that ended before the first tick paints its pressed cell this way).
bool paintAt(EditorState &state, Cell cell);

// A tick of a stroke that moved: the brush at every cell of the line from
// `from` (the cell of the stroke's last tick) to `to` (the paint position
// now), both included (StrokeLine::cells), so a fast drag leaves no gaps.
// Recorded as paintTick records. Returns whether a cell of the map was
// painted.
bool paintLine(EditorState &state, Cell from, Cell to);

} // namespace Painting

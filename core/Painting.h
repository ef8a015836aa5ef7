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

// One painting tick: copies the brush to the paint position (SelectedTileX,
// SelectedTileY) and stores SelectedTile there. A position outside the map
// paints nothing, so the grid never changes in cells the canvas does not
// show. Returns whether a cell was painted.
bool paintTick(EditorState &state);

} // namespace Painting

// SPDX-License-Identifier: MIT
#include "core/Painting.h"

#include "core/EditorState.h"
#include "core/MapRoutines.h"

#include <algorithm>
#include <cmath>

namespace Painting {

Cell cellAt(QPointF canvasPosition)
{
    const auto toCell = [](qreal pixel, int last) {
        const qreal cell = std::trunc(pixel / Tiles::TileSize);
        return static_cast<int>(std::clamp(cell, 0.0, static_cast<qreal>(last)));
    };
    return {toCell(canvasPosition.x(), Tiles::GridColumns - 1),
            toCell(canvasPosition.y(), Tiles::GridRows - 1)};
}

bool paintTick(EditorState &state)
{
    const int column = state.SelectedTileX / Tiles::TileSize;
    const int row = state.SelectedTileY / Tiles::TileSize;
    if (column >= state.MapWidth || row >= state.MapHeight)
        return false;
    blitBrush(state, state.SelectedTileX, state.SelectedTileY);
    state.cell(column, row) = static_cast<std::uint8_t>(state.SelectedTile);
    return true;
}

} // namespace Painting

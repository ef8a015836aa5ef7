// SPDX-License-Identifier: MIT
#include "core/edit/Painting.h"

#include "core/state/EditorState.h"
#include "core/state/MapRoutines.h"
#include "core/edit/PaintStroke.h"
#include "core/state/StatusTexts.h"

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

Cell hover(EditorState &state, QPointF canvasPosition)
{
    const Cell cell = cellAt(canvasPosition);
    selectTile(state, static_cast<std::int16_t>(cell.column), static_cast<std::int16_t>(cell.row));
    state.setStatusText(EditorState::CursorPanel, StatusTexts::cursorText(cell.column, cell.row));
    return cell;
}

bool paintTick(EditorState &state)
{
    const int column = state.selectedTileX / Tiles::TileSize;
    const int row = state.selectedTileY / Tiles::TileSize;
    if (column >= state.mapWidth || row >= state.mapHeight)
        return false;
    PaintStroke::paint(state, column, row);
    return true;
}

} // namespace Painting

// SPDX-License-Identifier: MIT
#include "core/edit/Painting.h"

#include "core/edit/PaintStroke.h"
#include "core/edit/StrokeLine.h"
#include "core/state/CellRect.h"
#include "core/state/EditorState.h"
#include "core/state/MapRoutines.h"
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

Cell paintPosition(const EditorState &state)
{
    return {state.selectedTileX / Tiles::TileSize, state.selectedTileY / Tiles::TileSize};
}

bool paintTick(EditorState &state)
{
    return paintAt(state, paintPosition(state));
}

bool paintAt(EditorState &state, Cell cell)
{
    return paintLine(state, cell, cell);
}

bool paintLine(EditorState &state, Cell from, Cell to)
{
    const Stamp brush = state.brush();
    const QRect map = CellRect::mapArea(state);
    std::vector<PaintStroke::Placement> placements;
    bool painted = false;
    for (const QPoint at :
         StrokeLine::cells(QPoint(from.column, from.row), QPoint(to.column, to.row))) {
        // The brush's top-left cell must lie on the map, as a one-tile brush
        // paints only there.
        if (!map.contains(at))
            continue;
        painted = true;
        const QRect block = QRect(at, brush.size()).intersected(map);
        for (int row = block.top(); row <= block.bottom(); ++row)
            for (int column = block.left(); column <= block.right(); ++column)
                placements.push_back(
                    {row * Tiles::GridColumns + column, brush.at(column - at.x(), row - at.y())});
    }
    PaintStroke::paint(state, placements);
    return painted;
}

} // namespace Painting

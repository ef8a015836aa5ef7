// SPDX-License-Identifier: MIT
#include "core/edit/TilePicking.h"

#include "core/edit/CellEdits.h"
#include "core/state/CellRect.h"
#include "core/state/EditorState.h"
#include "core/state/MapRoutines.h"

#include <cmath>

namespace TilePicking {

SheetCell cellAt(QPointF sheetPosition)
{
    return {static_cast<int>(std::trunc(sheetPosition.x() / Tiles::TileSize)),
            static_cast<int>(std::trunc(sheetPosition.y() / Tiles::TileSize))};
}

bool onSheet(SheetCell cell)
{
    return cell.column >= 0 && cell.column < Tiles::SheetColumns && cell.row >= 0 &&
           cell.row < Tiles::SheetRows;
}

std::optional<int> tileAt(QPointF position, int zoom)
{
    // Floored, not rounded: a tile's right and lower halves are still that
    // tile, and the pixel before the picture is none.
    const qreal side = Tiles::TileSize * zoom;
    const SheetCell cell{static_cast<int>(std::floor(position.x() / side)),
                         static_cast<int>(std::floor(position.y() / side))};
    if (!onSheet(cell))
        return std::nullopt;
    return Tiles::tileAt(cell.column, cell.row);
}

void pickTile(EditorState &state, SheetCell cell)
{
    selectTile(state, static_cast<std::int16_t>(cell.column), static_cast<std::int16_t>(cell.row));
    state.selectedTile = static_cast<std::int16_t>(Tiles::tileAt(cell.column, cell.row));
    copySelectionToPreview(state);
    state.dropStamp();
}

void pickStamp(EditorState &state, SheetCell from, SheetCell to)
{
    const QRect sheet(0, 0, Tiles::SheetColumns, Tiles::SheetRows);
    const QRect area = CellRect::between(QPoint(from.column, from.row), QPoint(to.column, to.row))
                           .intersected(sheet);
    if (area.isEmpty())
        return;
    std::vector<std::uint8_t> tiles;
    for (int row = area.top(); row <= area.bottom(); ++row)
        for (int column = area.left(); column <= area.right(); ++column)
            tiles.push_back(static_cast<std::uint8_t>(Tiles::tileAt(column, row)));
    pickTile(state, {area.left(), area.top()});
    state.setStamp(Stamp(area.width(), area.height(), std::move(tiles)));
}

void pickFromMap(EditorState &state, const QRect &cells)
{
    Stamp stamp = CellEdits::copyCells(state, cells);
    if (stamp.isEmpty())
        return;
    const int tile = stamp.at(0, 0);
    pickTile(state, {tile % Tiles::SheetColumns, tile / Tiles::SheetColumns});
    state.setStamp(std::move(stamp));
}

} // namespace TilePicking

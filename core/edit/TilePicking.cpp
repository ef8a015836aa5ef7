// SPDX-License-Identifier: MIT
#include "core/edit/TilePicking.h"

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

void pickTile(EditorState &state, SheetCell cell)
{
    selectTile(state, static_cast<std::int16_t>(cell.column), static_cast<std::int16_t>(cell.row));
    state.selectedTile = static_cast<std::int16_t>(Tiles::tileAt(cell.column, cell.row));
    copySelectionToPreview(state);
}

} // namespace TilePicking

// SPDX-License-Identifier: MIT
#include "core/MapRoutines.h"

#include "core/EditorState.h"
#include "core/StatusTexts.h"

using Tiles::TileSize;

void ResetMap(EditorState &state)
{
    state.picMap.cls();
    state.TileMap.fill(0);
    sizeCanvasToMap(state);
    state.setStatusText(EditorState::SizePanel,
                        StatusTexts::sizeText(state.MapWidth, state.MapHeight));
    for (int column = 0; column < Tiles::GridColumns; ++column) {
        for (int row = 0; row < Tiles::GridRows; ++row)
            blitTile(state, 0, column, row);
    }
}

void SelectTile(EditorState &state, std::int16_t column, std::int16_t row)
{
    state.SelectedTileX = static_cast<std::int16_t>(column * TileSize);
    state.SelectedTileY = static_cast<std::int16_t>(row * TileSize);
}

void blitTile(EditorState &state, int tile, int column, int row)
{
    const QPoint from = Tiles::sheetOrigin(tile);
    const QPoint to = Tiles::cellOrigin(column, row);
    state.picMap.blit(to.x(), to.y(), TileSize, TileSize, state.picTileSet, from.x(), from.y());
}

void blitBrush(EditorState &state, int x, int y)
{
    state.picMap.blit(x, y, TileSize, TileSize, state.picSelected, 0, 0);
}

void redrawMap(EditorState &state)
{
    state.picMap.cls();
    for (int column = 0; column < Tiles::GridColumns; ++column) {
        for (int row = 0; row < Tiles::GridRows; ++row)
            blitTile(state, state.cell(column, row), column, row);
    }
}

void sizeCanvasToMap(EditorState &state)
{
    state.picMap.resize(QSize(state.MapWidth * TileSize, state.MapHeight * TileSize));
}

void copySelectionToPreview(EditorState &state)
{
    state.picSelected.blit(0, 0, TileSize, TileSize, state.picTileSet, state.SelectedTileX,
                           state.SelectedTileY);
}

// SPDX-License-Identifier: MIT
#include "core/MapCommands.h"

#include "core/EditorState.h"
#include "core/MapRoutines.h"
#include "core/StatusTexts.h"

#include <algorithm>

using Tiles::TileSize;

namespace MapCommands {

namespace {

void storeMapSize(EditorState &state, MapSize size)
{
    state.MapWidth = static_cast<std::int16_t>(size.width);
    state.MapWidthByte = static_cast<std::uint8_t>(size.width);
    state.MapHeight = static_cast<std::int16_t>(size.height);
    state.MapHeightByte = static_cast<std::uint8_t>(size.height);
}

void reportSize(EditorState &state, const QString &event)
{
    state.setStatusText(EditorState::MapPanel, StatusTexts::mapText(event));
    state.setStatusText(EditorState::SizePanel,
                        StatusTexts::sizeText(state.MapWidth, state.MapHeight));
}

// Draws from the grid every map cell that the canvas of size `before` did
// not wholly hold.
void drawUncoveredCells(EditorState &state, QSize before)
{
    const int heldColumns = before.width() / TileSize;
    const int heldRows = before.height() / TileSize;
    for (int column = 0; column < state.MapWidth; ++column)
        for (int row = 0; row < state.MapHeight; ++row)
            if (column >= heldColumns || row >= heldRows)
                blitTile(state, state.cell(column, row), column, row);
}

int cellsReaching(int pixels, int gridCells)
{
    return std::min(gridCells, (pixels + TileSize - 1) / TileSize);
}

} // namespace

void applyNewMap(EditorState &state, MapSize size)
{
    storeMapSize(state, size);
    state.picMap.cls();
    state.TileMap.fill(0);
    sizeCanvasToMap(state);
    reportSize(state, NewMapCreated);
    redrawMap(state);
}

void applyResize(EditorState &state, MapSize size)
{
    const QSize before = state.picMap.size();
    storeMapSize(state, size);
    sizeCanvasToMap(state);
    reportSize(state, MapResized);
    drawUncoveredCells(state, before);
}

void fillMap(EditorState &state)
{
    state.picMap.cls();
    // Cells that do not reach into the canvas would be clipped away whole, so
    // only those that do are drawn: the same picture as a blit for every cell.
    const int columns = cellsReaching(state.picMap.width(), Tiles::GridColumns);
    const int rows = cellsReaching(state.picMap.height(), Tiles::GridRows);
    for (int column = 0; column < columns; ++column)
        for (int row = 0; row < rows; ++row)
            blitBrush(state, column * TileSize, row * TileSize);
    state.TileMap.fill(static_cast<std::uint8_t>(state.SelectedTile));
}

} // namespace MapCommands

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
    // Row by row, so consecutive blits write neighbouring memory.
    for (int row = 0; row < state.MapHeight; ++row)
        for (int column = row < heldRows ? heldColumns : 0; column < state.MapWidth; ++column)
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
    Surface &canvas = state.picMap;
    canvas.cls();
    // The same picture as a brush blit into every one of the 32,768 cells:
    // cells beyond the canvas would be clipped away whole, and each row of
    // cells is a copy of the first, so whole bands are copied at memory speed.
    const int columns = cellsReaching(canvas.width(), Tiles::GridColumns);
    const int rows = cellsReaching(canvas.height(), Tiles::GridRows);
    for (int column = 0; column < columns; ++column)
        blitBrush(state, column * TileSize, 0);
    for (int row = 1; row < rows; ++row)
        canvas.blit(0, row * TileSize, canvas.width(), TileSize, canvas, 0, 0);
    state.TileMap.fill(static_cast<std::uint8_t>(state.SelectedTile));
}

} // namespace MapCommands

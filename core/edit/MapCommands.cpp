// SPDX-License-Identifier: MIT
#include "core/edit/MapCommands.h"

#include "core/history/EditHistory.h"
#include "core/state/EditorState.h"
#include "core/state/MapRoutines.h"
#include "core/state/StatusTexts.h"
#include "core/edit/WholeMapStep.h"

#include <algorithm>

using Tiles::TileSize;

namespace MapCommands {

namespace {

void storeMapSize(EditorState &state, MapSize size)
{
    state.mapWidth = static_cast<std::int16_t>(size.width);
    state.mapWidthByte = static_cast<std::uint8_t>(size.width);
    state.mapHeight = static_cast<std::int16_t>(size.height);
    state.mapHeightByte = static_cast<std::uint8_t>(size.height);
}

void reportSize(EditorState &state, const QString &event)
{
    state.setStatusText(EditorState::MapPanel, StatusTexts::mapText(event));
    state.setStatusText(EditorState::SizePanel,
                        StatusTexts::sizeText(state.mapWidth, state.mapHeight));
}

// Draws from the grid every map cell that the canvas of size `before` did
// not wholly hold.
void drawUncoveredCells(EditorState &state, QSize before)
{
    const int heldColumns = before.width() / TileSize;
    const int heldRows = before.height() / TileSize;
    // Row by row, so consecutive blits write neighbouring memory.
    for (int row = 0; row < state.mapHeight; ++row)
        for (int column = row < heldRows ? heldColumns : 0; column < state.mapWidth; ++column)
            blitTile(state, state.cell(column, row), column, row);
}

int cellsReaching(int pixels, int gridCells)
{
    return std::min(gridCells, (pixels + TileSize - 1) / TileSize);
}

void performNewMap(EditorState &state, MapSize size)
{
    storeMapSize(state, size);
    state.mapCanvas.clear();
    state.tileMap.fill(0);
    sizeCanvasToMap(state);
    reportSize(state, NewMapCreated);
    redrawMap(state);
}

void performResize(EditorState &state, MapSize size)
{
    const QSize before = state.mapCanvas.size();
    storeMapSize(state, size);
    sizeCanvasToMap(state);
    reportSize(state, MapResized);
    drawUncoveredCells(state, before);
}

void performFill(EditorState &state, std::uint8_t tile)
{
    Surface &canvas = state.mapCanvas;
    canvas.clear();
    // The tile blitted into every one of the 32,768 cells: cells beyond the
    // canvas would be clipped away whole, and each row of cells is a copy of
    // the first, so whole bands are copied at memory speed.
    const int columns = cellsReaching(canvas.width(), Tiles::GridColumns);
    const int rows = cellsReaching(canvas.height(), Tiles::GridRows);
    for (int column = 0; column < columns; ++column)
        blitTile(state, tile, column, 0);
    for (int row = 1; row < rows; ++row)
        canvas.blit(0, row * TileSize, canvas.width(), TileSize, canvas, 0, 0);
    state.tileMap.fill(tile);
}

} // namespace

void resetToStartUp(EditorState &state)
{
    state.history.clear();
    state.headerByte1 = StartUp::HeaderByte1;
    state.headerByte2 = StartUp::HeaderByte2;
    state.mapWidthByte = StartUp::MapWidthByte;
    state.mapHeightByte = StartUp::MapHeightByte;
    state.mapWidth = StartUp::MapWidth;
    state.mapHeight = StartUp::MapHeight;
    resetMap(state);
    selectTile(state, 0, 0);
    state.selectedTile = 0;
    state.dropStamp();
    copySelectionToPreview(state);
}

void clearMap(EditorState &state)
{
    WholeMapStep::perform(state, StepNames::ClearMap, {.grid = true}, resetMap);
}

void applyNewMap(EditorState &state, MapSize size)
{
    WholeMapStep::perform(state, StepNames::NewMap, {.grid = true, .homesView = true},
                          [size](EditorState &s) { performNewMap(s, size); });
    // A blank map holds nothing to save, as the one at start-up does not;
    // undoing back to it makes the map unchanged again.
    state.history.markSaved();
}

void applyResize(EditorState &state, MapSize size)
{
    WholeMapStep::perform(state, StepNames::ResizeMap, {.homesView = true},
                          [size](EditorState &s) { performResize(s, size); });
}

void fillMap(EditorState &state)
{
    // The tile as it is now: a later pick must not change what redo paints.
    const auto tile = static_cast<std::uint8_t>(state.selectedTile);
    WholeMapStep::perform(state, StepNames::FillMap, {.grid = true},
                          [tile](EditorState &s) { performFill(s, tile); });
}

} // namespace MapCommands

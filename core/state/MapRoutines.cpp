// SPDX-License-Identifier: MIT
#include "core/state/MapRoutines.h"

#include "core/state/EditorState.h"
#include "core/state/StatusTexts.h"

using Tiles::TileSize;

namespace {

// Every cell of the grid drawn from the tile sheet; cells beyond the canvas
// are clipped. The picture equals one tile blit a cell.
void drawGrid(EditorState &state)
{
    state.mapCanvas.drawTileGrid(state.tileSheet, Tiles::SheetColumns, state.tileMap.data(),
                                 Tiles::GridColumns, Tiles::GridRows, TileSize);
}

QSize canvasSizeOf(const EditorState &state)
{
    return QSize(state.mapWidth * TileSize, state.mapHeight * TileSize);
}

} // namespace

void resetMap(EditorState &state)
{
    state.tileMap.fill(0);
    // The redraw covers every pixel: the grid, and background around it.
    state.mapCanvas.resizeForRedraw(canvasSizeOf(state));
    state.setStatusText(EditorState::SizePanel,
                        StatusTexts::sizeText(state.mapWidth, state.mapHeight));
    redrawMap(state);
}

void selectTile(EditorState &state, std::int16_t column, std::int16_t row)
{
    state.selectedTileX = static_cast<std::int16_t>(column * TileSize);
    state.selectedTileY = static_cast<std::int16_t>(row * TileSize);
}

void blitTile(EditorState &state, int tile, int column, int row)
{
    const QPoint from = Tiles::sheetOrigin(tile);
    const QPoint to = Tiles::cellOrigin(column, row);
    state.mapCanvas.blit(to.x(), to.y(), TileSize, TileSize, state.tileSheet, from.x(), from.y());
}

void redrawMap(EditorState &state)
{
    // The grid covers the canvas except below row 127 on the tallest canvas
    // a full-width file gives; only that part needs clearing.
    const QRect grid(0, 0, Tiles::GridColumns * TileSize, Tiles::GridRows * TileSize);
    const QRect canvas(QPoint(0, 0), state.mapCanvas.size());
    state.mapCanvas.fillBackground(canvas.adjusted(0, grid.height(), 0, 0));
    state.mapCanvas.fillBackground(canvas.adjusted(grid.width(), 0, 0, 0));
    drawGrid(state);
}

void sizeCanvasToMap(EditorState &state)
{
    state.mapCanvas.resize(canvasSizeOf(state));
}

void copySelectionToPreview(EditorState &state)
{
    state.brushPreview.blit(0, 0, TileSize, TileSize, state.tileSheet, state.selectedTileX,
                            state.selectedTileY);
}

void drawBrushFromSheet(EditorState &state)
{
    const QPoint from = Tiles::sheetOrigin(state.selectedTile);
    state.brushPreview.blit(0, 0, TileSize, TileSize, state.tileSheet, from.x(), from.y());
}

// SPDX-License-Identifier: MIT
#include "core/MapRoutines.h"

#include "core/EditorState.h"
#include "core/StatusTexts.h"

using Tiles::TileSize;

namespace {

// Every cell of the grid drawn from the tile sheet; cells beyond the canvas
// are clipped. The picture equals one tile blit a cell.
void drawGrid(EditorState &state)
{
    state.picMap.drawTileGrid(state.picTileSet, Tiles::SheetColumns, state.TileMap.data(),
                              Tiles::GridColumns, Tiles::GridRows, TileSize);
}

QSize canvasSizeOf(const EditorState &state)
{
    return QSize(state.MapWidth * TileSize, state.MapHeight * TileSize);
}

} // namespace

void ResetMap(EditorState &state)
{
    state.TileMap.fill(0);
    // The redraw covers every pixel: the grid, and background around it.
    state.picMap.resizeForRedraw(canvasSizeOf(state));
    state.setStatusText(EditorState::SizePanel,
                        StatusTexts::sizeText(state.MapWidth, state.MapHeight));
    redrawMap(state);
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
    // The grid covers the canvas except below row 127 on the tallest canvas
    // a full-width file gives; only that part needs clearing.
    const QRect grid(0, 0, Tiles::GridColumns * TileSize, Tiles::GridRows * TileSize);
    const QRect canvas(QPoint(0, 0), state.picMap.size());
    state.picMap.fillBackground(canvas.adjusted(0, grid.height(), 0, 0));
    state.picMap.fillBackground(canvas.adjusted(grid.width(), 0, 0, 0));
    drawGrid(state);
}

void sizeCanvasToMap(EditorState &state)
{
    state.picMap.resize(canvasSizeOf(state));
}

void copySelectionToPreview(EditorState &state)
{
    state.picSelected.blit(0, 0, TileSize, TileSize, state.picTileSet, state.SelectedTileX,
                           state.SelectedTileY);
}

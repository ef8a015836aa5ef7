// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

class EditorState;

// The shared routines over the editor state. None of them repaints a view:
// the surfaces report what changed and the views catch up.

// Makes a blank map of tile 0 at the current size: clears the canvas and every
// one of the 32,768 cells, sizes the canvas, writes the size panel and draws
// tile 0 into every cell.
void resetMap(EditorState &state);

// Turns a cell (column, row) into the pixel position selectedTileX/Y.
void selectTile(EditorState &state, std::int16_t column, std::int16_t row);

// Copies tile n of the tile sheet into cell (column, row) of the canvas.
void blitTile(EditorState &state, int tile, int column, int row);

// Clears the canvas and draws every cell of the grid from the tile sheet,
// columns in the outer loop; cells beyond the canvas are clipped.
void redrawMap(EditorState &state);

// Gives the canvas the size of the current map, mapWidth x mapHeight tiles.
void sizeCanvasToMap(EditorState &state);

// Copies tile (selectedTileX, selectedTileY) of the sheet into the preview.
void copySelectionToPreview(EditorState &state);

// Copies the selected tile (selectedTile) of the sheet in use into the
// preview, so the brush shows what painting stores after the sheet changed.
void drawBrushFromSheet(EditorState &state);

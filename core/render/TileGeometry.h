// SPDX-License-Identifier: MIT
#pragma once

#include <QPoint>

// Sizes of the map grid, the tiles and the tile sheet, and the rules that place
// a tile on the sheet and a cell on the canvas.
namespace Tiles {

inline constexpr int TileSize = 16;

inline constexpr int GridColumns = 256;
inline constexpr int GridRows = 128;
inline constexpr int GridCells = GridColumns * GridRows;

inline constexpr int SheetColumns = 32;
inline constexpr int SheetRows = 8;
inline constexpr int SheetWidth = SheetColumns * TileSize;
inline constexpr int SheetHeight = SheetRows * TileSize;

inline constexpr int TileCount = SheetColumns * SheetRows;

// Top-left pixel of tile n on the tile sheet.
constexpr QPoint sheetOrigin(int tile)
{
    return {(tile % SheetColumns) * TileSize, (tile / SheetColumns) * TileSize};
}

// Top-left pixel of map cell (column, row) on the canvas.
constexpr QPoint cellOrigin(int column, int row)
{
    return {column * TileSize, row * TileSize};
}

// Tile index of sheet column and row.
constexpr int tileAt(int sheetColumn, int sheetRow)
{
    return sheetRow * SheetColumns + sheetColumn;
}

} // namespace Tiles

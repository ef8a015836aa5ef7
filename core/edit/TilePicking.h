// SPDX-License-Identifier: MIT
#pragma once

#include <QPointF>
#include <QRect>

#include <optional>

class EditorState;

// The rules of the tile picker: which sheet cell a pointer position names, and
// what picking a tile changes.
namespace TilePicking {

struct SheetCell
{
    int column = 0;
    int row = 0;
    friend bool operator==(const SheetCell &, const SheetCell &) = default;
};

// The sheet cell under a pixel position on the sheet: truncated toward zero,
// so the first 15 pixels left of or above the sheet still give column or
// row 0. Positions further out give cells beyond the sheet.
SheetCell cellAt(QPointF sheetPosition);

// Whether the cell is one of the sheet's 32 x 8 tiles.
bool onSheet(SheetCell cell);

// The tile under a pixel position on a picture of the sheet drawn zoom
// times its size (Tile Usage shows it at twice): every pixel of a tile,
// its last column and row included, names that tile. Positions off the
// picture name none.
std::optional<int> tileAt(QPointF position, int zoom);

// Makes the tile in a sheet cell the one to paint with: its number becomes
// selectedTile, its pixel position selectedTileX/Y, and the tile is copied
// into the brush preview. A stamp in use is dropped.
void pickTile(EditorState &state, SheetCell cell);

// A Shift+drag over the sheet: the tiles of the rectangle between two sheet
// cells (clipped to the sheet) become a stamp to paint with, and its
// top-left tile is picked as pickTile picks it. One cell picks that tile.
void pickStamp(EditorState &state, SheetCell from, SheetCell to);

// Pick Tile on the map: one cell picks the tile it holds as a press on the
// sheet would; a rectangle of several cells (clipped to the map) becomes a
// stamp of their tiles, its top-left tile picked. Cells outside the map
// pick nothing.
void pickFromMap(EditorState &state, const QRect &cells);

} // namespace TilePicking

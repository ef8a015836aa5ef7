// SPDX-License-Identifier: MIT
#pragma once

#include <QPointF>

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

// Makes the tile in a sheet cell the one to paint with: its number becomes
// selectedTile, its pixel position selectedTileX/Y, and the tile is copied
// into the brush preview.
void pickTile(EditorState &state, SheetCell cell);

} // namespace TilePicking

// SPDX-License-Identifier: MIT
#pragma once

#include "tools/artgen/PictureTiles.h"

#include <QImage>

namespace ArtGen {

// The sheet is 32 tiles across and 8 down; two black rows below the tiles pad it to the height
// the editor loads.
constexpr int SheetColumns = 32;
constexpr int SheetWidth = SheetColumns * Tile::Size;
constexpr int SheetHeight = 8 * Tile::Size + 2;

TileSet buildTileSet();

QImage tileSheetImage(const TileSet &set);

} // namespace ArtGen

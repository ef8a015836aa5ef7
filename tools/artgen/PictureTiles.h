// SPDX-License-Identifier: MIT
#pragma once

#include "tools/artgen/Tile.h"

#include <array>

namespace ArtGen {

using TileSet = std::array<Tile, 256>;

// Each fills one themed sheet row of coloured pictures; TileIds.h says which tile is where.
void drawWallTiles(TileSet &set);
void drawGroundTiles(TileSet &set);
void drawBuildingTiles(TileSet &set);
void drawFurnitureTiles(TileSet &set);
void drawNatureTiles(TileSet &set);
void drawFigureTiles(TileSet &set);

} // namespace ArtGen

#pragma once

#include "tile.h"

#include <array>

namespace artgen {

using TileSet = std::array<Tile, 256>;

// Each fills one themed sheet row of coloured pictures; tileids.h says which tile is where.
void drawWallTiles(TileSet &set);
void drawGroundTiles(TileSet &set);
void drawBuildingTiles(TileSet &set);
void drawFurnitureTiles(TileSet &set);
void drawNatureTiles(TileSet &set);
void drawFigureTiles(TileSet &set);

} // namespace artgen

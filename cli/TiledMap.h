// SPDX-License-Identifier: MIT
#pragma once

#include "cli/Failure.h"
#include "cli/MapCells.h"

#include <QString>

#include <cstdint>
#include <vector>

// A Tiled map as its TMX or JSON file holds it, before one of its tile
// layers becomes a map's cells: the tilesets with the first global tile id
// (gid) of each, and the gids of every tile layer.
struct TiledMap
{
    struct Tileset
    {
        quint32 firstGid = 1;
        QString name;
        // 0 where the file does not say (a tileset kept in a file of its own).
        int tileWidth = 0;
        int tileHeight = 0;
        int tileCount = 0;
    };

    struct Layer
    {
        QString name;
        // width x height gids, row by row; 0 is an empty cell.
        std::vector<quint32> gids;
        // Where the layer's data starts, for messages about its cells.
        int line = 0;
        int column = 0;
    };

    int width = 0;
    int height = 0;
    std::vector<Tileset> tilesets;
    std::vector<Layer> layers;
};

namespace TiledLayers {

inline constexpr int TileSize = 16;

// The cells of one tile layer: the only one, or the one chosen by name or
// by its number among the tile layers (from 1, in the file's order). All its
// tiles must come from one tileset of 16 x 16 tiles, and tile n of it
// becomes tile n of the map; an empty cell becomes tile 0. A map of several
// tile layers without a choice is refused with the names of its layers.
Outcome<MapCells> cells(const TiledMap &map, const QString &layerChoice);

} // namespace TiledLayers

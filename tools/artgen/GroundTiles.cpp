// SPDX-License-Identifier: MIT
#include "tools/artgen/Ground.h"
#include "tools/artgen/PictureTiles.h"
#include "tools/artgen/TileIds.h"

namespace ArtGen {

namespace {

Tile carpet(Colour body, Colour pattern)
{
    Tile t(body);
    // A diamond lattice with a border, repeating every tile so carpets of any size join up.
    t.paint({
        "yyyyyyyyyyyyyyyy",
        "y..............y",
        "y.......m......y",
        "y......m.m.....y",
        "y.....m.y.m....y",
        "y....m.yoy.m...y",
        "y...m.yo.oy.m..y",
        "y..m.yo...oy.m.y",
        "y...m.yo.oy.m..y",
        "y....m.yoy.m...y",
        "y.....m.y.m....y",
        "y......m.m.....y",
        "y.......m......y",
        "y..............y",
        "y..............y",
        "yyyyyyyyyyyyyyyy",
    });
    t.recolour(DarkRed, pattern);
    return t;
}

Tile cobbles()
{
    Tile t(DarkGrey);
    t.paint({
        "2333321123332113",
        "3333332133333213",
        "3333332133333212",
        "2333321123332112",
        "1222211112221121",
        "1111111111111112",
        "3321123333211233",
        "3332133333321333",
        "3332133333321333",
        "3321123333211233",
        "2211112222111222",
        "1111111111111111",
        "1233333211233332",
        "2333333321333333",
        "2333333321333333",
        "1222222211222221",
    });
    return t;
}

enum class Coast { North, South, West, East };

// Land on one side of the tile, water on the rest, split by a gently wavy line.
Tile shore(Coast side, const Tile &land, Colour rim, Colour foam)
{
    const Tile sea = water();
    static constexpr int edge[16] = {5, 5, 6, 6, 6, 5, 4, 4, 4, 5, 5, 6, 7, 7, 6, 5};
    Tile t;
    for (int y = 0; y < Tile::Size; ++y)
        for (int x = 0; x < Tile::Size; ++x) {
            int depth = 0;
            int along = 0;
            switch (side) {
            case Coast::North:
                depth = y, along = x;
                break;
            case Coast::South:
                depth = 15 - y, along = x;
                break;
            case Coast::West:
                depth = x, along = y;
                break;
            case Coast::East:
                depth = 15 - x, along = y;
                break;
            }
            const int boundary = edge[along];
            if (depth < boundary)
                t.set(x, y, land.at(x, y));
            else if (depth == boundary)
                t.set(x, y, rim);
            else if (depth == boundary + 1)
                t.set(x, y, foam);
            else
                t.set(x, y, sea.at(x, y));
        }
    return t;
}

// A pond corner: water inside a quarter circle around the tile corner that faces the pond,
// meeting the straight shores at the same depth.
Tile shoreCorner(int cornerX, int cornerY)
{
    const Tile land = grass(0);
    const Tile sea = water();
    Tile t;
    for (int y = 0; y < Tile::Size; ++y)
        for (int x = 0; x < Tile::Size; ++x) {
            const double dx = x + 0.5 - cornerX, dy = y + 0.5 - cornerY;
            const double d = dx * dx + dy * dy;
            if (d < 9.5 * 9.5)
                t.set(x, y, sea.at(x, y));
            else if (d < 10.5 * 10.5)
                t.set(x, y, LightBlue);
            else if (d < 11.5 * 11.5)
                t.set(x, y, DarkGreen);
            else
                t.set(x, y, land.at(x, y));
        }
    return t;
}

Tile lava()
{
    Tile t(Red);
    t.paint({
        "mmrrrroorrrmmmrr",
        "mrrooooyyorrmrrr",
        "rrooyyyyyoorrrmm",
        "rroyyyyyoorrrmmr",
        "rroooyoorrrmmrrr",
        "mrrrooorrrmmrroo",
        "mmrrrrrrmmmrrooy",
        "rmmmrrrmmmrrooyy",
        "rrrmmmmmrrroyyyo",
        "oorrmmmrrroyyyoo",
        "yoorrrrrrooyyoor",
        "yyoorrmrrrooorrm",
        "oyoorrmmrrrrrrmm",
        "ooorrrmmmrrrrmmr",
        "rrrrmmmrrrrmmmrr",
        "rmmmmrrrroorrrrm",
    });
    return t;
}

// Boards laid across the crossing, with a rope rail on both sides and water beyond.
Tile bridgeAcross()
{
    Tile t = water();
    t.rect(0, 3, 16, 10, Tan);
    for (int x = 3; x < 16; x += 4)
        t.vline(x, 3, 10, Brown);
    t.hline(0, 2, 16, Brown);
    t.hline(0, 13, 16, Brown);
    t.rect(1, 1, 2, 2, Black);
    t.rect(9, 1, 2, 2, Black);
    t.rect(1, 13, 2, 2, Black);
    t.rect(9, 13, 2, 2, Black);
    t.set(6, 6, Orange);
    t.set(13, 9, Orange);
    return t;
}

Tile bridgeAlong()
{
    Tile t = water();
    t.rect(3, 0, 10, 16, Tan);
    for (int y = 3; y < 16; y += 4)
        t.hline(3, y, 10, Brown);
    t.vline(2, 0, 16, Brown);
    t.vline(13, 0, 16, Brown);
    t.rect(1, 1, 2, 2, Black);
    t.rect(1, 9, 2, 2, Black);
    t.rect(13, 1, 2, 2, Black);
    t.rect(13, 9, 2, 2, Black);
    t.set(6, 5, Orange);
    t.set(9, 13, Orange);
    return t;
}

} // namespace

void drawGroundTiles(TileSet &set)
{
    set[WoodFloor] = woodFloor();
    set[WoodFloorKnot] = woodFloor();
    set[WoodFloorKnot].paint({".uu.", "u.ou", ".uu."}, 5, 5);
    set[Flagstones] = flagstones();
    set[Chequered] = Tile(White);
    set[Chequered].rect(0, 0, 8, 8, Black);
    set[Chequered].rect(8, 8, 8, 8, Black);
    set[RedCarpet] = carpet(Red, DarkRed);
    set[BlueCarpet] = carpet(Blue, DarkBlue);
    set[DungeonFloor] = dungeonFloor();
    set[DungeonFloorCracked] = dungeonFloor();
    set[DungeonFloorCracked].paint(
        {
            "..k.......",
            "...k......",
            "...kk.....",
            ".....k..ww",
            "......k.w3",
            "......k.ww",
            ".....k..w3",
        },
        3, 4);

    set[Grass] = grass(0);
    set[GrassTufts] = grass(1);
    set[GrassTufts].paint(
        {
            "..f.......f.....",
            "f.f.f...f.f.f...",
            ".fgf.....fgf....",
        },
        1, 9);
    set[GrassDaisies] = grass(2);
    set[GrassDaisies].paint(
        {
            ".w.......",
            "wyw......",
            ".w.....w.",
            "......wyw",
            ".......w.",
        },
        2, 3);
    set[GrassDaisies].paint({".w.", "wyw", ".w."}, 9, 11);
    set[TallGrass] = Tile(DarkGreen);
    for (int x = 0; x < Tile::Size; x += 4)
        for (int y = x % 8; y < Tile::Size; y += 8)
            set[TallGrass].paint({"g..g", "g.g.", ".gg.", ".g.."}, x, y);
    set[Sand] = sand(0);
    set[Dirt] = dirt(0);
    set[DirtStones] = dirt(1);
    set[DirtStones].paint({".22.", "2332", "1221"}, 3, 3);
    set[DirtStones].paint({"23", "12"}, 11, 10);
    set[DirtStones].paint({"23", "12"}, 5, 12);
    set[Cobbles] = cobbles();

    set[Water] = water(0);
    set[WaterRipples] = water(1);
    set[WaterRipples].paint({".cc.", "c..c"}, 10, 3);
    set[DeepWater] = deepWater();
    set[ShoreNorth] = shore(Coast::North, grass(0), DarkGreen, LightBlue);
    set[ShoreSouth] = shore(Coast::South, grass(0), DarkGreen, LightBlue);
    set[ShoreWest] = shore(Coast::West, grass(0), DarkGreen, LightBlue);
    set[ShoreEast] = shore(Coast::East, grass(0), DarkGreen, LightBlue);
    set[ShoreNorthWest] = shoreCorner(16, 16);
    set[ShoreNorthEast] = shoreCorner(0, 16);
    set[ShoreSouthWest] = shoreCorner(16, 0);
    set[ShoreSouthEast] = shoreCorner(0, 0);
    set[Beach] = shore(Coast::North, sand(0), Orange, White);
    set[Snow] = snow();
    set[Lava] = lava();
    set[BridgeAcross] = bridgeAcross();
    set[BridgeAlong] = bridgeAlong();
}

} // namespace ArtGen

// SPDX-License-Identifier: MIT
#include "tools/artgen/Ground.h"
#include "tools/artgen/PictureTiles.h"
#include "tools/artgen/TileIds.h"

namespace ArtGen {

namespace {

enum Side { Top = 1, Left = 2, Right = 4, Bottom = 8 };

// The border pieces draw a black outline with a bevel on the sides that face away from the
// wall, so a block of wall tiles reads as one raised mass.
Tile bordered(Tile t, int sides, Colour light, Colour dark)
{
    constexpr int last = Tile::Size - 1;
    if (sides & Top)
        t.rect(0, 1, Tile::Size, 2, light);
    if (sides & Left)
        t.rect(1, 1, 2, Tile::Size - 1, light);
    if (sides & Bottom)
        t.rect(0, last - 2, Tile::Size, 2, dark);
    if (sides & Right)
        t.rect(last - 2, (sides & Top) ? 3 : 0, 2, Tile::Size, dark);
    // The outline goes on last so it stays unbroken where two bevels meet.
    if (sides & Top)
        t.hline(0, 0, Tile::Size, Black);
    if (sides & Left)
        t.vline(0, 0, Tile::Size, Black);
    if (sides & Bottom)
        t.hline(0, last, Tile::Size, Black);
    if (sides & Right)
        t.vline(last, 0, Tile::Size, Black);
    return t;
}

void drawMaterial(TileSet &set, int first, const Tile &plain, const Tile &worn, Colour light,
                  Colour dark)
{
    set[first] = plain;
    const int pieces[] = {Top | Left, Top,           Top | Right, Left,
                          Right,      Bottom | Left, Bottom,      Bottom | Right};
    for (int i = 0; i < 8; ++i)
        set[first + 1 + i] = bordered(plain, pieces[i], light, dark);
    set[first + 9] = worn;
}

Tile wornBrick()
{
    Tile t = brickWall();
    // One brick knocked out, one chipped.
    t.paint({
        "................",
        "................",
        "................",
        "................",
        "....k2kkkk1.....",
        "....k11k1k1.....",
        "....kkkkkkk.....",
        "................",
        "................",
        "................",
        "................",
        "................",
        "..........kk....",
        "..........k.....",
        "................",
        "................",
    });
    return t;
}

Tile mossyStone()
{
    Tile t = stoneWall();
    // Moss creeps out of the joints and gathers at the foot of the wall.
    t.paint({
        "................",
        "................",
        "................",
        "................",
        "................",
        "...........g....",
        "..g.......gfg...",
        "gfgfg....gfgfgg.",
        "fgfg......gfg...",
        "gfg........g....",
        "fg..............",
        "g...............",
        "..............g.",
        "g....g.......gfg",
        "fg..gfg...g.gfgf",
        "gfggfgfggfgfgfgf",
    });
    return t;
}

Tile wornPlanks()
{
    Tile t = plankWall();
    // A split board showing the dark behind it.
    t.paint({
        "................",
        "................",
        "................",
        "................",
        "................",
        ".......kkk......",
        "......kkkkk.....",
        "................",
        "................",
        "..........k.....",
        ".........kk.....",
        "................",
        "................",
        "................",
        "................",
        "................",
    });
    return t;
}

Tile torchOnStone()
{
    Tile t = stoneWall();
    t.paint({
        ".......y........",
        "......yoy.......",
        ".....yoroy......",
        ".....yorry......",
        "......yry.......",
        "......kuuk......",
        "......kuuk......",
        ".......uu.......",
        ".......uu.......",
        ".....k1uu1k.....",
        "......k11k......",
        "................",
        "................",
        "................",
        "................",
        "................",
    });
    return t;
}

Tile caveRock()
{
    Tile t(DarkGrey);
    t.paint({
        "k1222221k1233321",
        "12333332k2333332",
        "23333332k2333321",
        "23333321k1222211",
        "2333321kk1111k1k",
        "1222211k12221k12",
        "k11111k1233321k2",
        "1kkkkk12333332k1",
        "222k1233333321k1",
        "332k23333332211k",
        "321k2333332211k1",
        "21k122222211kk12",
        "1k1111111kkk1233",
        "k1233321k1123333",
        "12333332k1233332",
        "2333333211233321",
    });
    return t;
}

} // namespace

void drawWallTiles(TileSet &set)
{
    drawMaterial(set, Brick, brickWall(), wornBrick(), Tan, DarkRed);
    drawMaterial(set, Stone, stoneWall(), mossyStone(), White, DarkGrey);
    drawMaterial(set, Planks, plankWall(), wornPlanks(), Tan, DarkRed);
    set[StoneTorch] = torchOnStone();
    set[CaveRock] = caveRock();
}

} // namespace ArtGen

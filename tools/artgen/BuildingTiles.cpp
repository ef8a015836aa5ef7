// SPDX-License-Identifier: MIT
#include "tools/artgen/Ground.h"
#include "tools/artgen/PictureTiles.h"
#include "tools/artgen/TileIds.h"

namespace ArtGen {

namespace {

// A board door reaching the bottom edge so it meets the ground of the tile below.
Tile door(Tile t, Colour board, Colour light)
{
    t.hline(4, 1, 8, Black);
    t.rect(3, 2, 10, 14, Black);
    t.rect(4, 2, 8, 1, board);
    t.rect(4, 3, 8, 13, board);
    for (int x : {4, 8})
        t.vline(x, 2, 14, light);
    t.vline(7, 2, 14, Black);
    t.vline(11, 3, 13, Black);
    for (int y : {5, 12}) {
        t.hline(4, y, 8, DarkGrey);
        t.set(5, y, LightGrey);
        t.set(9, y, LightGrey);
    }
    t.rect(9, 8, 2, 2, Yellow);
    return t;
}

Tile doorway(Tile t)
{
    t.hline(4, 1, 8, Black);
    t.rect(3, 2, 10, 14, Black);
    // The swung-open leaf shows as a sliver, a hint of the room inside at the foot.
    t.rect(4, 3, 2, 13, Brown);
    t.vline(4, 3, 13, Orange);
    t.rect(6, 13, 6, 3, DarkGrey);
    return t;
}

Tile ironGate()
{
    Tile t = stoneWall();
    t.hline(4, 1, 8, Black);
    t.rect(3, 2, 10, 14, Black);
    for (int x : {4, 7, 10})
        t.vline(x, 2, 14, Grey);
    for (int y : {5, 11})
        t.hline(3, y, 10, Grey);
    for (int x : {4, 7, 10})
        t.set(x, 15, LightGrey);
    return t;
}

Tile lockedDoor()
{
    Tile t = door(stoneWall(), DarkGrey, Grey);
    t.rect(9, 8, 2, 2, DarkGrey);
    t.paint(
        {
            "yyyy",
            "ykky",
            "yyky",
            "yyky",
            "yyyy",
        },
        6, 7);
    return t;
}

// A four-pane window with a sill.
Tile window(Tile t, Colour frame, Colour glass, Colour glint)
{
    t.rect(2, 2, 12, 11, Black);
    t.rect(3, 3, 10, 9, frame);
    for (int px : {4, 8})
        for (int py : {4, 8}) {
            t.rect(px, py, 4, 3, glass);
            t.set(px, py, glint);
            t.set(px + 1, py, glint);
            t.set(px, py + 1, glint);
        }
    t.rect(1, 12, 14, 2, frame);
    t.hline(1, 14, 14, Black);
    return t;
}

Tile shutteredWindow()
{
    Tile t = window(plankWall(), Tan, LightBlue, White);
    // Open green shutters either side of the frame.
    for (int x : {0, 13}) {
        t.rect(x, 2, 3, 10, Black);
        t.rect(x, 3, 3, 8, Green);
        t.hline(x, 5, 3, DarkGreen);
        t.hline(x, 8, 3, DarkGreen);
    }
    t.paint({"rgrgrgrgrg", "gfgfgfgfgf"}, 3, 11);
    return t;
}

Tile roundWindow()
{
    Tile t = stoneWall();
    t.paint(
        {
            "....kkkkkk....",
            "...k333333k...",
            "..k33cccc33k..",
            ".k3cwwccc3c3k.",
            ".k3cwcccc3c3k.",
            "k3ccccccc3cc3k",
            "k33333333333k.",
            "k3ccccccc3cc3k",
            ".k3cccccc3c3k.",
            ".k3cccccc3c3k.",
            "..k33cccc33k..",
            "...k333333k...",
            "....kkkkkk....",
        },
        1, 1);
    return t;
}

Tile stairs(bool down)
{
    Tile t = flagstones();
    t.rect(0, 0, 16, 16, Black);
    t.rect(1, 0, 2, 16, DarkGrey);
    t.rect(13, 0, 2, 16, DarkGrey);
    t.vline(1, 0, 16, Grey);
    // Steps narrow and darken as they lead away from the viewer's level: downwards into the
    // ground, or upwards away from the floor at the foot of the tile.
    const Colour treads[] = {White, LightGrey, Grey, DarkGrey};
    const Colour risers[] = {Grey, DarkGrey, DarkGrey, Black};
    for (int i = 0; i < 4; ++i) {
        const int step = down ? i : 3 - i;
        const int y = i * 4;
        const int inset = step;
        t.rect(3 + inset, y, 10 - 2 * inset, 3, treads[step]);
        t.hline(3 + inset, y + 2, 10 - 2 * inset, risers[step]);
    }
    return t;
}

Tile ladder()
{
    Tile t = woodFloor();
    t.rect(2, 0, 12, 16, Black);
    t.rect(3, 0, 10, 16, DarkGrey);
    for (int x : {4, 10})
        t.rect(x, 0, 2, 16, Brown);
    t.vline(4, 0, 16, Orange);
    t.vline(10, 0, 16, Orange);
    for (int y = 1; y < 16; y += 4) {
        t.hline(4, y, 8, Orange);
        t.hline(4, y + 1, 8, Brown);
    }
    return t;
}

Tile trapdoor()
{
    Tile t = woodFloor();
    t.rect(2, 2, 12, 12, Black);
    t.rect(3, 3, 10, 10, Brown);
    for (int x : {3, 6, 9, 12})
        t.vline(x, 3, 10, Orange);
    t.hline(3, 5, 10, DarkGrey);
    t.hline(3, 10, 10, DarkGrey);
    t.paint({".kk.", "k..k", "k..k", ".kk."}, 6, 6);
    return t;
}

Tile pit()
{
    Tile t = dungeonFloor();
    t.paint(
        {
            "....kkkkkk....",
            "..kk111111kk..",
            ".k1kkkkkkkk1k.",
            ".k1kkkkkkkkk1k",
            "k1kkkkkkkkkkk1",
            "k1kkkkkkkkkkkk",
            "k1kkkkkkkkkkkk",
            "k1kkkkkkkkkkk1",
            ".k1kkkkkkkkkk.",
            ".kkkkkkkkkkkk.",
            "..kkkkkkkkkk..",
            "....kkkkkk....",
        },
        1, 2);
    return t;
}

Tile fenceAcross()
{
    Tile t = grass(0);
    for (int y : {5, 10}) {
        t.rect(0, y - 1, 16, 4, Black);
        t.rect(0, y, 16, 2, Brown);
        t.hline(0, y, 16, Orange);
    }
    for (int x : {2, 11}) {
        t.rect(x - 1, 1, 5, 14, Black);
        t.rect(x, 2, 3, 12, Brown);
        t.vline(x, 2, 12, Orange);
        t.hline(x, 2, 3, Tan);
    }
    return t;
}

Tile fenceAlong()
{
    Tile t = grass(0);
    for (int x : {5, 9}) {
        t.rect(x - 1, 0, 4, 16, Black);
        t.rect(x, 0, 2, 16, Brown);
        t.vline(x, 0, 16, Orange);
    }
    for (int y : {1, 10}) {
        t.rect(3, y - 1, 10, 6, Black);
        t.rect(4, y, 8, 4, Brown);
        t.hline(4, y, 8, Tan);
        t.vline(4, y, 4, Orange);
    }
    return t;
}

Tile fencePost()
{
    Tile t = grass(0);
    t.rect(4, 2, 8, 12, Black);
    t.rect(5, 3, 6, 10, Brown);
    t.vline(5, 3, 10, Orange);
    t.rect(5, 3, 6, 2, Tan);
    t.hline(5, 13, 7, DarkGreen);
    return t;
}

Tile fenceGate()
{
    Tile t = fenceAcross();
    // A diagonal brace and a latch mark the rails as a gate.
    for (int i = 0; i < 6; ++i) {
        t.set(5 + i, 10 - i, Tan);
        t.set(5 + i, 11 - i, Brown);
        t.set(5 + i, 12 - i, Black);
    }
    t.rect(9, 9, 2, 2, DarkGrey);
    return t;
}

Tile picketFence()
{
    Tile t = grass(0);
    t.rect(0, 7, 16, 3, Black);
    t.hline(0, 8, 16, LightGrey);
    for (int x = 0; x < 16; x += 4) {
        t.paint(
            {
                ".k.",
                "kwk",
                "kwk",
                "kwk",
                "kwk",
                "kwk",
                "kwk",
                "kwk",
                "kwk",
                "k3k",
                "kkk",
            },
            x, 2);
    }
    return t;
}

Tile ironRailing()
{
    Tile t = grass(0);
    t.hline(0, 4, 16, Black);
    t.hline(0, 12, 16, Black);
    t.hline(0, 5, 16, DarkGrey);
    for (int x = 1; x < 16; x += 4)
        t.paint(
            {
                ".2.",
                "k3k",
                ".1.",
                ".1.",
                ".1.",
                ".1.",
                ".1.",
                ".1.",
                ".1.",
                ".1.",
                ".1.",
                ".1.",
                ".k.",
            },
            x, 1);
    t.hline(0, 11, 16, DarkGrey);
    return t;
}

Tile lowStoneWall()
{
    Tile t = grass(0);
    t.paint(
        {
            "kkkkkkkkkkkkkkkk",
            "3332k3333332k333",
            "3222k3222222k322",
            "2221k2222221k221",
            "1111k1111111k111",
            "kkkkkkkkkkkkkkkk",
            "332k333332k33333",
            "222k322222k32222",
            "221k222221k22222",
            "111k111111k11111",
            "kkkkkkkkkkkkkkkk",
        },
        0, 3);
    return t;
}

Tile signpost()
{
    Tile t = grass(0);
    t.paint(
        {
            "kkkkkkkkkkkkkk",
            "kttttttttttttk",
            "ktkkktkkkkttok",
            "ktttttttttttok",
            "ktkkkkktkkktok",
            "kooooooooooook",
            "kkkkkkkkkkkkkk",
            ".....kuok.....",
            ".....kuok.....",
            ".....kuok.....",
            ".....kuok.....",
            ".....kuok.....",
            "....fkuokf....",
        },
        1, 2);
    return t;
}

Tile well()
{
    Tile t = grass(0);
    t.paint({
        "................",
        "...kkkkkkkkkk...",
        "..krrrrrrrrrrk..",
        ".krrmrrmrrmrrmk.",
        "kmmmmmmmmmmmmmmk",
        ".kk1kkkkkkkk1kk.",
        "..k2k...u..k2k..",
        "..k2k...u..k2k..",
        "..k2k..kuk.k2k..",
        "..k2k..k1k.k2k..",
        "kkkkkkkkkkkkkkkk",
        "k332k3332k3332kk",
        "k221k2221k2221kk",
        "kkkkkkkkkkkkkkkk",
        "k2k3332k3332k32k",
        "k1k2221k2221k21k",
    });
    return t;
}

Tile gravestone()
{
    Tile t = grass(0);
    t.paint(
        {
            "....kkkkk....",
            "..kk33333kk..",
            ".k3333w3332k.",
            ".k333www332k.",
            "k33333w33332k",
            "k33333w33332k",
            "k33333333332k",
            "k32323232322k",
            "k33333333332k",
            "k33333333322k",
            "k22222222222k",
            "kkkkkkkkkkkkk",
            ".fgfggfgfgf..",
        },
        1, 1);
    return t;
}

Tile archway()
{
    Tile t = stoneWall();
    t.paint(
        {
            "....kkkkkkkk....",
            "..kk33333333kk..",
            ".k333uuuuuu332k.",
            ".k32uuuuuuuu22k.",
            "k32uuuuuuuuuu22k",
            "k3uuuuuuuuuuuu2k",
            "k3uuuuuuuuuuuu2k",
            "k3uuuuuuuuuuuu2k",
            "k3uuuuuuuuuuuu2k",
        },
        0, 1);
    t.rect(2, 10, 12, 6, Brown);
    t.paint(
        {
            "o.....o.....",
            "....o.....o.",
            "..o.....o...",
            "o......o....",
        },
        2, 11);
    return t;
}

Tile tent()
{
    Tile t = grass(0);
    t.paint(
        {
            ".......kk.......",
            "......kwrk......",
            ".....kwwrrk.....",
            ".....kwwrrk.....",
            "....kwwwrrrk....",
            "....kwwkkrrk....",
            "...kwwkkkkrrk...",
            "...kwwkkkkrrk...",
            "..kwwwkkkkrrrk..",
            "..kwwkkkkkkrrk..",
            ".kwwwkkkkkkrrrk.",
            ".kwwkkkkkkkkrrk.",
            "kkkkkkkkkkkkkkkk",
        },
        0, 2);
    return t;
}

Tile campfire()
{
    Tile t = grass(0);
    t.paint(
        {
            "......y.........",
            ".....yoy..y.....",
            "....yoroyyoy....",
            "....yorrooroy...",
            "...yorryrrroy...",
            "...yorryyrroy...",
            "..k2yoryyroy2k..",
            ".k32kuuuuuuk32k.",
            ".k21kuoouuok21k.",
            "..kk.kuuuuk.kk..",
            ".k32kkkkkkkk32k.",
            ".k21k......k21k.",
            "..kk.k32k32.kk..",
            ".....k21k21.....",
            "......kk.kk.....",
        },
        0, 0);
    return t;
}

} // namespace

void drawBuildingTiles(TileSet &set)
{
    set[BrickDoor] = door(brickWall(), Brown, Orange);
    set[BrickDoorway] = doorway(brickWall());
    set[StoneDoor] = door(stoneWall(), Brown, Orange);
    set[StoneDoorway] = doorway(stoneWall());
    // A painted door, as bare boards would vanish against a plank wall.
    set[PlanksDoor] = door(plankWall(), DarkRed, Red);
    set[PlanksDoorway] = doorway(plankWall());
    set[IronGate] = ironGate();
    set[LockedDoor] = lockedDoor();

    set[BrickWindow] = window(brickWall(), White, LightBlue, White);
    set[StoneWindow] = window(stoneWall(), Brown, LightBlue, White);
    set[PlanksWindow] = window(plankWall(), Tan, LightBlue, White);
    set[BrickWindowLit] = window(brickWall(), White, Yellow, White);
    set[PlanksShutters] = shutteredWindow();
    set[StoneRoundWindow] = roundWindow();

    set[StairsDown] = stairs(true);
    set[StairsUp] = stairs(false);
    set[Ladder] = ladder();
    set[Trapdoor] = trapdoor();
    set[Pit] = pit();

    set[FenceAcross] = fenceAcross();
    set[FenceAlong] = fenceAlong();
    set[FencePost] = fencePost();
    set[FenceGate] = fenceGate();
    set[PicketFence] = picketFence();
    set[IronRailing] = ironRailing();
    set[LowStoneWall] = lowStoneWall();

    set[Signpost] = signpost();
    set[Well] = well();
    set[Gravestone] = gravestone();
    set[Archway] = archway();
    set[Tent] = tent();
    set[Campfire] = campfire();
}

} // namespace ArtGen

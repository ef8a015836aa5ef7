// SPDX-License-Identifier: MIT
#include "tools/artgen/Scenes.h"

#include "tools/artgen/Tile.h"
#include "tools/artgen/TileIds.h"

namespace ArtGen {

namespace {

// Plain grass with a tuft or a few daisies here and there, so large lawns don't look tiled.
void lawn(TileMap &map, int col, int row, int w, int h, int seed)
{
    for (int r = row; r < row + h; ++r)
        for (int c = col; c < col + w; ++c) {
            const int n = noise(c, r, seed);
            map.set(c, r, n < 20 ? GrassDaisies : n < 50 ? GrassTufts : Grass);
        }
}

// A walled room: border pieces around a floor. first is the material's plain wall tile, whose
// eight border pieces follow it in the sheet.
void room(TileMap &map, int col, int row, int w, int h, int first, int floor)
{
    const int right = col + w - 1, bottom = row + h - 1;
    map.fill(col + 1, row + 1, w - 2, h - 2, floor);
    map.fill(col + 1, row, w - 2, 1, first + 2);
    map.fill(col + 1, bottom, w - 2, 1, first + 7);
    map.fill(col, row + 1, 1, h - 2, first + 4);
    map.fill(right, row + 1, 1, h - 2, first + 5);
    map.set(col, row, first + 1);
    map.set(right, row, first + 3);
    map.set(col, bottom, first + 6);
    map.set(right, bottom, first + 8);
}

void pond(TileMap &map, int col, int row, int w, int h)
{
    const int right = col + w - 1, bottom = row + h - 1;
    map.fill(col + 1, row + 1, w - 2, h - 2, Water);
    map.fill(col + 1, row, w - 2, 1, ShoreNorth);
    map.fill(col + 1, bottom, w - 2, 1, ShoreSouth);
    map.fill(col, row + 1, 1, h - 2, ShoreWest);
    map.fill(right, row + 1, 1, h - 2, ShoreEast);
    map.set(col, row, ShoreNorthWest);
    map.set(right, row, ShoreNorthEast);
    map.set(col, bottom, ShoreSouthWest);
    map.set(right, bottom, ShoreSouthEast);
}

void bigTree(TileMap &map, int col, int row)
{
    map.set(col, row, BigTreeTopLeft);
    map.set(col + 1, row, BigTreeTopRight);
    map.set(col, row + 1, BigTreeBottomLeft);
    map.set(col + 1, row + 1, BigTreeBottomRight);
}

void path(TileMap &map, int col, int row, int w, int h)
{
    for (int r = row; r < row + h; ++r)
        for (int c = col; c < col + w; ++c)
            map.set(c, r, noise(c, r, 7) < 60 ? DirtStones : Dirt);
}

} // namespace

TileMap sampleScene()
{
    TileMap map(40, 25, Grass);

    // A status line across the top, as a game would show it.
    map.fill(0, 0, 40, 1, GlyphBlank);
    for (int c = 1; c <= 3; ++c)
        map.set(c, 0, GlyphHeart);
    map.text(15, 0, "TESSELWICK");
    map.set(34, 0, GlyphDiamond);
    map.text(35, 0, "025");

    lawn(map, 0, 1, 40, 24, 1);

    // Woods along the top and the sides.
    for (int c = 0; c < 40; ++c)
        map.set(c, 1, (c % 3 == 1) ? Pine : Tree);
    for (int r = 2; r < 25; ++r) {
        map.set(0, r, (r % 2) ? Pine : Tree);
        map.set(39, r, (r % 2) ? Tree : Pine);
    }
    map.set(39, 17, Grass);

    // The cottage.
    room(map, 3, 3, 14, 10, Brick, WoodFloor);
    map.set(6, 12, BrickWindow);
    map.set(13, 12, BrickWindow);
    map.set(10, 12, BrickDoor);
    map.set(4, 4, PottedPlant);
    map.set(5, 4, BedHead);
    map.set(5, 5, BedFoot);
    map.set(7, 4, Bookshelf);
    map.set(8, 4, Bookshelf);
    map.set(10, 4, Fireplace);
    map.set(12, 4, Stove);
    map.set(13, 4, PotShelf);
    map.set(14, 4, Clock);
    map.set(15, 4, Barrel);
    map.set(15, 5, Crate);
    map.set(9, 7, Rug);
    map.set(11, 6, ChairFront);
    map.set(12, 6, ChairFront);
    map.set(11, 7, TableLeft);
    map.set(12, 7, TableRight);
    map.set(11, 8, ChairBack);
    map.set(12, 8, ChairBack);
    map.set(8, 7, Wizard);
    map.set(14, 8, Elder);
    map.set(4, 8, Candlestand);
    map.set(4, 11, ChestClosed);
    map.set(5, 11, ChestOpen);
    map.set(6, 10, Cat);
    map.set(15, 11, Jars);
    map.set(14, 11, Sack);
    map.set(9, 11, WoodFloorKnot);
    map.fill(10, 9, 1, 3, RedCarpet);

    // The vegetable garden behind a fence.
    map.set(19, 3, FencePost);
    map.set(27, 3, FencePost);
    map.set(19, 10, FencePost);
    map.set(27, 10, FencePost);
    map.fill(20, 3, 7, 1, FenceAcross);
    map.fill(20, 10, 7, 1, FenceAcross);
    map.set(23, 10, FenceGate);
    map.fill(19, 4, 1, 6, FenceAlong);
    map.fill(27, 4, 1, 6, FenceAlong);
    map.fill(20, 4, 7, 2, Crops);
    map.fill(20, 6, 2, 1, Wheat);
    map.set(22, 6, Sunflower);
    map.set(25, 6, Sunflower);
    map.fill(20, 8, 7, 1, Grass);
    map.set(20, 8, RedFlowers);
    map.set(21, 8, YellowFlowers);
    map.set(22, 8, BlueFlowers);
    map.set(24, 8, Pumpkin);
    map.set(25, 8, Pumpkin);
    map.set(26, 8, WhiteFlowers);
    map.set(23, 7, Farmer);
    map.set(26, 6, Chicken);

    // Paths from the door down to the bottom edge and east over the pond.
    path(map, 10, 13, 1, 12);
    path(map, 11, 17, 17, 1);
    path(map, 38, 17, 2, 1);
    path(map, 23, 11, 1, 6);

    pond(map, 28, 13, 10, 8);
    map.fill(28, 17, 10, 1, BridgeAcross);
    map.set(30, 15, LilyPads);
    map.set(35, 14, Reeds);
    map.set(33, 19, LilyPads);
    map.set(31, 19, WaterRipples);
    map.set(34, 15, WaterRipples);

    // Things around the yard.
    bigTree(map, 1, 14);
    map.set(18, 13, Well);
    map.set(11, 18, Signpost);
    map.set(10, 15, HeroDown);
    map.set(12, 17, Dog);
    map.set(9, 13, Guard);
    map.set(20, 14, Villager);
    map.set(25, 19, HeroLeft);
    map.set(3, 20, Tent);
    map.set(5, 21, Campfire);
    map.set(2, 17, Stump);
    map.set(6, 23, Log);
    map.set(15, 21, Boulder);
    map.set(16, 22, Rocks);
    map.set(14, 14, Bush);
    map.set(15, 14, BerryBush);
    map.set(2, 9, AppleTree);
    map.set(1, 5, AppleTree);
    map.set(18, 2, Bush);
    map.set(28, 2, Hedge);
    map.set(29, 2, Hedge);
    map.set(30, 2, Hedge);
    bigTree(map, 32, 5);
    map.set(35, 8, AutumnTree);
    map.set(36, 6, Tree);
    map.set(30, 9, Mushrooms);
    map.set(13, 20, RedFlowers);
    map.set(20, 21, YellowFlowers);
    map.set(21, 21, RedFlowers);
    map.set(7, 19, WhiteFlowers);
    map.set(25, 14, Pebbles);

    // A stone shrine in the south-east with steps going down.
    room(map, 31, 21, 5, 4, Stone, Flagstones);
    map.set(33, 24, StoneDoorway);
    map.set(33, 22, StairsDown);
    map.set(32, 22, StoneTorch);
    map.set(34, 22, StoneTorch);
    map.set(32, 23, Flagstones);
    map.set(34, 23, Flagstones);
    map.fill(33, 23, 1, 1, Flagstones);
    map.set(30, 23, Gravestone);
    map.set(37, 23, Gravestone);
    return map;
}

TileMap creditsScene()
{
    TileMap map(34, 18, DeepWater);

    // The lake stays plain and dark where the credit text scrolls over it.
    map.fill(19, 0, 1, 18, ShoreEast);
    lawn(map, 20, 0, 14, 18, 2);

    room(map, 23, 2, 8, 6, Planks, WoodFloor);
    map.set(27, 7, PlanksDoor);
    map.set(25, 7, PlanksWindow);
    map.set(29, 7, PlanksShutters);
    map.set(24, 3, Bookshelf);
    map.set(25, 3, Fireplace);
    map.set(27, 3, BedHead);
    map.set(27, 4, BedFoot);
    map.set(29, 3, Clock);
    map.set(24, 5, Table);
    map.set(24, 4, ChairFront);
    map.set(25, 5, Princess);
    map.set(29, 5, ChestOpen);
    map.set(28, 6, Cat);

    path(map, 27, 8, 1, 10);
    path(map, 20, 12, 7, 1);
    map.set(27, 10, HeroUp);
    map.set(24, 12, Dog);
    map.set(22, 14, Villager);

    map.set(21, 0, Tree);
    map.set(22, 0, Pine);
    map.set(31, 0, Tree);
    map.set(32, 0, Pine);
    map.set(33, 0, Tree);
    bigTree(map, 31, 9);
    map.set(33, 12, Pine);
    map.set(21, 8, RedFlowers);
    map.set(22, 8, YellowFlowers);
    map.set(21, 9, BlueFlowers);
    map.set(29, 9, Well);
    map.set(29, 13, Sunflower);
    map.set(30, 13, Sunflower);
    map.fill(28, 15, 6, 1, PicketFence);
    map.set(24, 16, Bush);
    map.set(20, 16, Rocks);
    map.set(32, 16, Pumpkin);
    return map;
}

QImage creditsBackdrop(const QImage &sheet)
{
    return creditsScene().render(sheet).copy(0, 0, 530, 275);
}

} // namespace ArtGen

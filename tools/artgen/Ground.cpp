// SPDX-License-Identifier: MIT
#include "tools/artgen/Ground.h"

#include <array>

namespace ArtGen {

namespace {

// Bevelled block: light top and left, dark bottom and right, for stone and tiles.
void bevelBlock(Tile &t, int x, int y, int w, int h, Colour body, Colour light, Colour dark)
{
    t.rect(x, y, w, h, body);
    t.hline(x, y, w, light);
    t.vline(x, y, h, light);
    t.hline(x + 1, y + h - 1, w - 1, dark);
    t.vline(x + w - 1, y + 1, h - 1, dark);
}

struct Speck
{
    int threshold;
    Colour colour;
};

// A flat ground colour with scattered specks: noise below the dark speck's
// threshold, or above the light one's, takes that speck's colour.
Tile speckled(Colour ground, int noiseSeed, Speck dark, Speck light)
{
    Tile t(ground);
    for (int y = 0; y < Tile::Size; ++y)
        for (int x = 0; x < Tile::Size; ++x) {
            const int n = noise(x, y, noiseSeed);
            if (n < dark.threshold)
                t.set(x, y, dark.colour);
            else if (n > light.threshold)
                t.set(x, y, light.colour);
        }
    return t;
}

} // namespace

Tile brickWall()
{
    // Bricks of 8 x 4 pixels with every other course shifted half a brick.
    Tile t(LightGrey);
    for (int course = 0; course < 4; ++course) {
        const int y = course * 4;
        const int shift = (course % 2) * 4;
        for (int b = -1; b < 2; ++b) {
            const int x = b * 8 + shift;
            t.rect(x, y, 7, 3, Red);
            t.hline(x + 1, y + 2, 6, DarkRed);
            t.set(x + 6, y + 1, DarkRed);
            t.set(x, y, Orange);
            t.set(x + 1, y, Orange);
        }
    }
    return t;
}

Tile stoneWall()
{
    Tile t(DarkGrey);
    bevelBlock(t, 0, 0, 10, 7, Grey, LightGrey, DarkGrey);
    bevelBlock(t, 11, 0, 5, 7, Grey, LightGrey, DarkGrey);
    bevelBlock(t, 0, 8, 4, 8, Grey, LightGrey, DarkGrey);
    bevelBlock(t, 5, 8, 11, 8, Grey, LightGrey, DarkGrey);
    // A few pits so the blocks read as stone rather than plastic.
    t.set(3, 3, DarkGrey);
    t.set(13, 4, DarkGrey);
    t.set(9, 12, DarkGrey);
    t.set(8, 11, LightGrey);
    return t;
}

Tile plankWall()
{
    // Horizontal boards, each with a lit top edge, grain and a dark gap below.
    Tile t(Brown);
    static constexpr std::array<int, 4> seams = {5, 12, 2, 9};
    for (int board = 0; board < 4; ++board) {
        const int y = board * 4;
        t.hline(0, y, 16, Orange);
        t.hline(0, y + 3, 16, Black);
        t.vline(seams[board], y, 3, Black);
        t.hline((seams[board] + 5) % 16, y + 2, 3, DarkRed);
    }
    return t;
}

Tile woodFloor()
{
    Tile t(Tan);
    static constexpr std::array<int, 4> seams = {3, 11, 7, 14};
    for (int board = 0; board < 4; ++board) {
        const int y = board * 4;
        t.hline(0, y + 3, 16, Brown);
        t.vline(seams[board], y, 3, Brown);
        t.hline((seams[board] + 6) % 16, y + 1, 4, Orange);
    }
    return t;
}

Tile flagstones()
{
    Tile t(DarkGrey);
    bevelBlock(t, 0, 0, 8, 8, LightGrey, White, Grey);
    bevelBlock(t, 8, 0, 8, 8, LightGrey, White, Grey);
    bevelBlock(t, 0, 8, 8, 8, LightGrey, White, Grey);
    bevelBlock(t, 8, 8, 8, 8, LightGrey, White, Grey);
    t.set(4, 3, Grey);
    t.set(12, 12, Grey);
    return t;
}

Tile dungeonFloor()
{
    Tile t(Black);
    bevelBlock(t, 0, 0, 8, 8, DarkGrey, Grey, Black);
    bevelBlock(t, 8, 0, 8, 8, DarkGrey, Grey, Black);
    bevelBlock(t, 0, 8, 8, 8, DarkGrey, Grey, Black);
    bevelBlock(t, 8, 8, 8, 8, DarkGrey, Grey, Black);
    return t;
}

Tile grass(int seed)
{
    Tile t(Green);
    // Small two-blade tufts; hand-placed sets look calmer than per-pixel noise.
    static constexpr std::array<std::array<int, 2>, 5> tufts = {
        {{2, 3}, {10, 1}, {6, 9}, {13, 11}, {1, 13}}};
    for (const auto &[tx, ty] : tufts) {
        const int x = (tx + seed * 5) % 16;
        const int y = (ty + seed * 3) % 16;
        t.set(x, y, DarkGreen);
        t.set(x + 2, y, DarkGreen);
        t.set(x + 1, y + 1, DarkGreen);
    }
    return t;
}

Tile sand(int seed)
{
    return speckled(Tan, 11 + seed, {6, Orange}, {251, White});
}

Tile dirt(int seed)
{
    return speckled(Brown, 23 + seed, {8, Orange}, {249, DarkRed});
}

Tile water(int seed)
{
    Tile t(Blue);
    static constexpr std::array<std::array<int, 2>, 3> crests = {{{1, 2}, {9, 7}, {3, 12}}};
    for (const auto &[cx, cy] : crests) {
        const int x = (cx + seed * 6) % 16;
        const int y = (cy + seed * 5) % 16;
        t.hline(x + 1, y, 3, LightBlue);
        t.set(x, y + 1, LightBlue);
        t.set(x + 4, y + 1, LightBlue);
    }
    return t;
}

Tile deepWater()
{
    Tile t(DarkBlue);
    static constexpr std::array<std::array<int, 2>, 2> crests = {{{3, 4}, {10, 11}}};
    for (const auto &[x, y] : crests) {
        t.hline(x + 1, y, 2, Blue);
        t.set(x, y + 1, Blue);
        t.set(x + 3, y + 1, Blue);
    }
    return t;
}

Tile snow()
{
    Tile t(White);
    for (int y = 0; y < Tile::Size; ++y)
        for (int x = 0; x < Tile::Size; ++x)
            if (noise(x, y, 37) < 10)
                t.set(x, y, LightBlue);
    return t;
}

} // namespace ArtGen

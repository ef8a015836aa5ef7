// SPDX-License-Identifier: MIT
#include "tools/artgen/Ground.h"
#include "tools/artgen/PictureTiles.h"
#include "tools/artgen/TileIds.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <vector>

namespace ArtGen {

namespace {

struct Blob
{
    double x, y, r;
};

struct Foliage
{
    Colour light, dark;
};

constexpr Foliage Leaves{Green, DarkGreen};
constexpr Foliage Autumn{Orange, Red};
constexpr Foliage Granite{LightGrey, Grey};

// Round masses (tree tops, bushes, boulders) as a union of circles. Each circle is lit from
// the upper left on its own, which gives the clumped look; between light and shade the two
// colours are dithered, and the outside gets a black outline.
void drawBlobs(Tile &t, const std::vector<Blob> &blobs, Foliage f, int dx = 0, int dy = 0)
{
    auto cover = [&](double px, double py) -> const Blob * {
        const Blob *top = nullptr;
        for (const Blob &b : blobs)
            if ((px - b.x) * (px - b.x) + (py - b.y) * (py - b.y) <= b.r * b.r)
                top = &b; // later circles lie in front
        return top;
    };
    for (int y = 0; y < Tile::Size; ++y)
        for (int x = 0; x < Tile::Size; ++x) {
            const double px = x + dx + 0.5, py = y + dy + 0.5;
            if (const Blob *b = cover(px, py)) {
                const double s = ((px - b->x) + (py - b->y)) / b->r;
                const int n = noise(x + dx, y + dy, 3);
                bool lit = s < -0.55 || (s < -0.2 && (x + y) % 2 == 0);
                if (n < 22)
                    lit = !lit; // stray leaves break up the smooth shading
                t.set(x, y, lit ? f.light : f.dark);
            } else if (cover(px - 1, py) || cover(px + 1, py) || cover(px, py - 1) ||
                       cover(px, py + 1)) {
                t.set(x, y, Black);
            }
        }
}

void trunk(Tile &t, int x, int top, int bottom)
{
    t.rect(x - 1, top, 6, bottom - top + 1, Black);
    t.rect(x, top, 4, bottom - top, Brown);
    t.vline(x, top, bottom - top, Orange);
    t.set(x - 1, bottom - 1, Brown);
    t.set(x + 4, bottom - 1, Brown);
    t.hline(x - 2, bottom, 8, DarkGreen);
}

Tile roundTree(Foliage f)
{
    Tile t = grass(0);
    trunk(t, 6, 9, 15);
    drawBlobs(t, {{5, 5.5, 4}, {11, 5.5, 4}, {5, 8.5, 3.5}, {11, 8.5, 3.5}, {8, 6, 5}}, f);
    return t;
}

Tile bigTreeQuarter(int qx, int qy)
{
    Tile t = grass(qx + qy);
    if (qy == 1) {
        // The trunk stands in the lower half, split between the two lower quarters.
        const int x = 14 - qx * 16;
        t.rect(x - 1, 0, 6, 13, Black);
        t.rect(x, 0, 4, 12, Brown);
        t.vline(x, 0, 12, Orange);
        t.rect(x - 3, 10, 10, 3, Black);
        t.rect(x - 2, 10, 8, 2, Brown);
        t.hline(x - 3, 13, 10, DarkGreen);
    }
    drawBlobs(t,
              {{8, 15, 6.5},
               {24, 15, 6.5},
               {10, 8, 6},
               {22, 8, 6},
               {16, 7, 6.5},
               {16, 15, 8},
               {11, 19, 4.5},
               {21, 19, 4.5}},
              Leaves, qx * 16, qy * 16);
    return t;
}

Tile bush(Foliage f, int seed)
{
    Tile t = grass(seed);
    drawBlobs(t, {{5, 10, 4.5}, {11, 10, 4.5}, {8, 7, 5}}, f);
    return t;
}

Tile hedge()
{
    Tile t = grass(0);
    // Circles at both edges mirror each other, so hedge tiles in a row join seamlessly.
    drawBlobs(t, {{0, 9, 5}, {16, 9, 5}, {8, 9, 5}, {4, 6, 4.5}, {12, 6, 4.5}}, Leaves);
    return t;
}

Tile flowers(Colour petal, Colour centre, int seed)
{
    Tile t = grass(seed);
    static constexpr std::array<std::array<int, 2>, 4> spots = {{{2, 2}, {9, 1}, {5, 8}, {11, 9}}};
    for (const auto &[x, y] : spots) {
        t.paint({"...f..", "..f...", ".gf.g.", "..fgf."}, x - 1, y + 3);
        t.set(x + 1, y, petal);
        t.set(x, y + 1, petal);
        t.set(x + 2, y + 1, petal);
        t.set(x + 1, y + 2, petal);
        t.set(x + 1, y + 1, centre);
    }
    return t;
}

Tile mushrooms()
{
    Tile t = grass(1);
    t.paint(
        {
            "..kkkkk.........",
            ".krrwrrk........",
            "krwrrrwrk.......",
            "krrrrrrrk..kkk..",
            ".kkkkkkk..krwrk.",
            "...kwk...krrrrwk",
            "...kwk...kkkkkkk",
            "...kwk.....kwk..",
            "..kkkkk....kwk..",
            "...........kkk..",
        },
        1, 3);
    return t;
}

Tile stump()
{
    Tile t = grass(2);
    t.paint(
        {
            "...kkkkkkkk...",
            ".kkttttttttkk.",
            "kttoooooooottk",
            "ktoottttttootk",
            "ktotoooooototk",
            "kttoottttoottk",
            "kutttoooottuuk",
            "kuuuttttttuuuk",
            "kuouuuuuuuuumk",
            "kuouuuuuuuuumk",
            "kuuuuuuuuuuumk",
            "ukkkkkkkkkkkku",
        },
        1, 3);
    return t;
}

Tile fallenLog()
{
    Tile t = grass(3);
    t.rect(0, 5, 13, 8, Black);
    t.rect(1, 6, 11, 6, Brown);
    t.hline(1, 6, 11, Orange);
    t.hline(3, 8, 4, DarkRed);
    t.hline(7, 10, 3, DarkRed);
    t.paint(
        {
            ".kkk.",
            "kttok",
            "ktotk",
            "kotok",
            "ktotk",
            "kttok",
            "kttok",
            ".kkk.",
        },
        10, 5);
    t.hline(1, 13, 11, DarkGreen);
    return t;
}

Tile pebbles()
{
    Tile t = grass(2);
    for (const auto &[x, y] :
         std::array<std::array<int, 2>, 4>{{{2, 3}, {10, 2}, {6, 9}, {12, 12}}})
        t.paint({".33.", "3222", ".11."}, x, y);
    return t;
}

Tile pine(const Tile &ground)
{
    Tile t = ground;
    t.paint({
        ".......kk.......",
        "......kgfk......",
        ".....kggffk.....",
        "....kggffffk....",
        ".....kkgfkk.....",
        "....kggffffk....",
        "...kggffffffk...",
        "..kgggfffffffk..",
        "...kkggffffkk...",
        "..kggffffffffk..",
        ".kgggfffffffffk.",
        "kggffffffffffffk",
        ".kkkkkkuukkkkkk.",
        "......kuuk......",
        "......kuok......",
        ".....fkkkkf.....",
    });
    return t;
}

Tile cactus()
{
    Tile t = sand(2);
    t.paint(
        {
            "......kkk.......",
            ".....kgggk......",
            ".....kgfgk......",
            ".kk..kgfgk......",
            "kggk.kgfgk..kk..",
            "kgfk.kgfgk.kggk.",
            "kgfkkkgfgk.kgfk.",
            "kgfgggfgfk.kgfk.",
            ".kkfffgfgkkkgfk.",
            "....kkgfgggggfk.",
            ".....kgfgfffkk..",
            ".....kgfgkkk....",
            ".....kgfgk......",
            ".....kgfgk......",
            "....okkkkko.....",
        },
        0, 1);
    return t;
}

Tile palmTree()
{
    Tile t = sand(3);
    t.paint(
        {
            "...kkk...kkk....",
            "..kgggk.kgggk...",
            ".kgffggkggffgk..",
            "kgf..kgggk..fgk.",
            "kf..kgfufgk..fk.",
            "k..kgf.uu.fgk..k",
            "...kf..kouk.fk..",
            "...k...kuok.k...",
            "......kouk......",
            ".......kuok.....",
            ".......kouk.....",
            "........kuok....",
            "........kouk....",
            ".......kuok.....",
            "......kkkkkk....",
        },
        0, 0);
    return t;
}

// A one-pixel branch with a black outline, drawn outline first so branches can cross.
void branch(Tile &t, int x0, int y0, int x1, int y1, bool outline)
{
    const int steps = std::max(std::abs(x1 - x0), std::abs(y1 - y0));
    for (int i = 0; i <= steps; ++i) {
        const int x = x0 + (x1 - x0) * i / steps;
        const int y = y0 + (y1 - y0) * i / steps;
        if (outline)
            t.rect(x - 1, y - 1, 3, 3, Black);
        else
            t.set(x, y, Brown);
    }
}

Tile deadTree()
{
    Tile t = grass(1);
    const int branches[][4] = {
        {7, 10, 2, 3}, {8, 9, 8, 1}, {9, 10, 14, 4}, {4, 6, 1, 5}, {11, 7, 13, 1}};
    for (bool outline : {true, false})
        for (const auto &b : branches)
            branch(t, b[0], b[1], b[2], b[3], outline);
    t.rect(5, 9, 6, 6, Black);
    t.rect(6, 9, 4, 5, Brown);
    t.vline(6, 9, 5, Orange);
    t.hline(4, 15, 8, DarkGreen);
    return t;
}

Tile reeds()
{
    Tile t = water(1);
    const int stalks[][2] = {{2, 3}, {5, 1}, {8, 4}, {11, 2}, {13, 5}};
    for (const auto &[x, top] : stalks) {
        t.vline(x, top + 3, 16 - top - 3, (x % 2) ? Green : DarkGreen);
        t.rect(x, top, 1, 3, Brown);
        t.set(x, top - 1, Orange);
    }
    t.paint({"g....", ".g..g", "..gg."}, 2, 9);
    t.paint({"...g", "..g.", ".g.."}, 9, 10);
    return t;
}

Tile lilyPads()
{
    Tile t = water(0);
    t.paint({".ggg..", "gggg.g", "ggggff", ".gfff."}, 2, 3);
    t.paint({".ggg..", "gggg.g", "ggggff", ".gfff."}, 9, 10);
    t.paint({".gg.", "gg.g", ".ff."}, 11, 1);
    t.paint({".w.", "wyw"}, 10, 9);
    return t;
}

Tile crops()
{
    Tile t = dirt(2);
    for (int y : {0, 5, 10}) {
        t.hline(0, y + 4, 16, DarkRed);
        for (int x : {1, 5, 9, 13})
            t.paint({"g.g", "fgf", ".f."}, x, y + 1);
    }
    return t;
}

Tile wheat()
{
    Tile t = grass(0);
    for (int x = 0; x < 16; x += 2) {
        const int top = 2 + noise(x, 0, 9) % 4;
        t.vline(x, top + 3, 14 - top, (x % 4) ? Orange : Yellow);
        t.rect(x, top, 1, 3, Yellow);
        t.set(x + 1, top + 1, Orange);
    }
    t.hline(0, 15, 16, DarkGreen);
    return t;
}

Tile sunflower()
{
    Tile t = grass(2);
    t.paint(
        {
            ".....yyyy.......",
            "...yyoyyoyy.....",
            "..yoyuuuuyoy....",
            "..yyuumuuuyy....",
            ".yyouuumuuoyy...",
            "..yyuumuuuyy....",
            "..yoyuuuuyoy....",
            "...yyoyyoyy.....",
            ".....yyyy.......",
            ".......f........",
            "..ggf..f........",
            "...gff.f..fgg...",
            "....ggff.ffg....",
            ".......f........",
            ".......f........",
            "......fff.......",
        },
        1, 0);
    return t;
}

Tile pumpkin()
{
    Tile t = grass(3);
    t.paint(
        {
            "........gg......",
            ".......fugg.....",
            "....kkkkfkkk....",
            "...koorooorook..",
            "..kooroooooorok.",
            "..koroooooooork.",
            "..koroyoooooork.",
            "..koroyoooooork.",
            "..kooroooooorok.",
            "...koorooorrok..",
            "....kkkkkkkkk...",
            "...ff......g....",
        },
        0, 2);
    return t;
}

Tile crystal()
{
    Tile t = dungeonFloor();
    t.paint(
        {
            "......k.........",
            ".....kck........",
            ".....kwck..k....",
            "....kwcck.kck...",
            "....kwccbkkwck..",
            "..k.kwccbkwccbk.",
            ".kck.kwcbkwccbk.",
            ".kwck.kwcbkwcbk.",
            ".kwcbkkwcbkwcbk.",
            "..kwcbkwcbkwbk..",
            "..kkkkkkkkkkkk..",
        },
        0, 2);
    return t;
}

Tile rocks(bool single)
{
    Tile t = grass(1);
    if (single)
        drawBlobs(t, {{8, 9, 6.5}, {5, 10, 4}, {11, 11, 4}}, Granite);
    else {
        drawBlobs(t, {{5, 6, 3.5}, {11, 11, 4}, {4, 12, 2.5}}, Granite);
    }
    return t;
}

} // namespace

void drawNatureTiles(TileSet &set)
{
    set[Tree] = roundTree(Leaves);
    set[Pine] = pine(grass(0));
    set[BigTreeTopLeft] = bigTreeQuarter(0, 0);
    set[BigTreeTopRight] = bigTreeQuarter(1, 0);
    set[BigTreeBottomLeft] = bigTreeQuarter(0, 1);
    set[BigTreeBottomRight] = bigTreeQuarter(1, 1);
    set[Bush] = bush(Leaves, 1);
    set[Hedge] = hedge();
    set[RedFlowers] = flowers(Red, Yellow, 0);
    set[YellowFlowers] = flowers(Yellow, Orange, 1);
    set[BlueFlowers] = flowers(LightBlue, Blue, 2);
    set[WhiteFlowers] = flowers(White, Yellow, 3);
    set[Mushrooms] = mushrooms();
    set[Stump] = stump();
    set[Log] = fallenLog();
    set[Pebbles] = pebbles();
    set[Boulder] = rocks(true);
    set[Rocks] = rocks(false);
    set[Cactus] = cactus();
    set[PalmTree] = palmTree();
    set[DeadTree] = deadTree();
    set[Reeds] = reeds();
    set[LilyPads] = lilyPads();
    set[Crops] = crops();
    set[Wheat] = wheat();
    set[Sunflower] = sunflower();
    set[Pumpkin] = pumpkin();
    set[BerryBush] = bush(Leaves, 2);
    for (const auto &[x, y] :
         std::array<std::array<int, 2>, 6>{{{4, 8}, {7, 5}, {10, 9}, {12, 6}, {6, 11}, {9, 12}}}) {
        set[BerryBush].rect(x, y, 2, 2, Blue);
        set[BerryBush].set(x, y, LightBlue);
    }
    set[AppleTree] = roundTree(Leaves);
    for (const auto &[x, y] :
         std::array<std::array<int, 2>, 5>{{{4, 5}, {9, 3}, {12, 7}, {6, 9}, {10, 10}}}) {
        set[AppleTree].rect(x, y, 2, 2, Red);
        set[AppleTree].set(x, y, White);
    }
    set[AutumnTree] = roundTree(Autumn);
    // Snow lies on the lit side of each tier.
    set[SnowyPine] = pine(snow());
    set[SnowyPine].recolour(Green, White);
    set[Crystal] = crystal();
}

} // namespace ArtGen

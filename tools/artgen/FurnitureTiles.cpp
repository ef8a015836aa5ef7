// SPDX-License-Identifier: MIT
#include "tools/artgen/Ground.h"
#include "tools/artgen/PictureTiles.h"
#include "tools/artgen/TileIds.h"

#include <array>

namespace ArtGen {

namespace {

// A filled rectangle with a one-pixel black outline.
void box(Tile &t, int x, int y, int w, int h, Colour fill)
{
    t.rect(x, y, w, h, Black);
    t.rect(x + 1, y + 1, w - 2, h - 2, fill);
}

// Seen from above and a little in front: a lit top, a front edge and two legs. A side without an
// end runs to the tile edge, so a left and a right piece make one long table.
Tile table(bool leftEnd, bool rightEnd)
{
    Tile t = woodFloor();
    const int left = leftEnd ? 2 : 0;
    const int width = (rightEnd ? 14 : 16) - left;
    t.rect(left - 1, 2, width + 2, 10, Black);
    t.rect(left, 3, width, 6, Orange);
    t.hline(left, 3, width, Tan);
    t.rect(left, 9, width, 2, Brown);
    if (leftEnd) {
        t.rect(1, 11, 3, 4, Black);
        t.rect(2, 11, 1, 3, Brown);
    }
    if (rightEnd) {
        t.rect(12, 11, 3, 4, Black);
        t.rect(13, 11, 1, 3, Brown);
    }
    return t;
}

Tile tableWithMeal()
{
    Tile t = table(true, true);
    t.paint(
        {
            "..kkk.....kk.",
            ".kwwwk...kcck",
            "kwrgrwk..kcck",
            "kwgrrwk..kwck",
            ".kwwwk....kk.",
            "..kkk........",
        },
        2, 2);
    return t;
}

Tile chair(bool facingDown)
{
    Tile t = woodFloor();
    if (facingDown) {
        box(t, 4, 0, 8, 6, Brown);
        t.vline(5, 1, 4, Orange);
        t.vline(8, 1, 4, Orange);
        box(t, 3, 5, 10, 6, Orange);
        t.hline(4, 6, 8, Tan);
        t.hline(4, 9, 8, Brown);
    } else {
        box(t, 3, 2, 10, 5, Orange);
        t.hline(4, 3, 8, Tan);
        box(t, 3, 6, 10, 6, Brown);
        t.vline(5, 7, 4, Orange);
        t.vline(8, 7, 4, Orange);
        t.vline(10, 7, 4, Orange);
    }
    for (int x : {3, 10}) {
        t.rect(x, 11, 3, 4, Black);
        t.vline(x + 1, 11, 3, Brown);
    }
    return t;
}

Tile stool()
{
    Tile t = woodFloor();
    t.paint(
        {
            "....kkkkkk....",
            "..kkttttttkk..",
            ".ktooooooooook",
            ".kooooooooooku",
            "..kkuuuuuukk..",
            "...kukkkkuk...",
            "...kuk..kuk...",
            "..kuk....kuk..",
            "..kuk....kuk..",
            "..kkk....kkk..",
        },
        1, 4);
    return t;
}

Tile bedHead()
{
    Tile t = woodFloor();
    box(t, 1, 0, 14, 16, Brown);
    t.hline(2, 1, 12, Orange);
    t.hline(1, 3, 14, Black);
    t.rect(2, 4, 12, 12, White);
    t.paint(
        {
            ".kkkkkkkkkk.",
            "kwwwwwwwwww3",
            "kw3wwwwwww3k",
            "k33333333333",
            "rrrrrrrrrrrr",
            "wwwwwwwwwwww",
            "rrrrrrrrrrrr",
            "rmrrrrmrrrrm",
            "rrrrrrrrrrrr",
        },
        2, 5);
    t.vline(2, 4, 12, Brown);
    t.vline(13, 4, 12, Brown);
    return t;
}

Tile bedFoot()
{
    Tile t = woodFloor();
    box(t, 1, 0, 14, 14, Brown);
    t.paint(
        {
            "rrrrrrrrrr",
            "rrmrrrrmrr",
            "rrrrrrrrrr",
            "rrrrrrrrrr",
            "rmrrrrmrrr",
            "rrrrrrrrrr",
            "rrrrrrrrrr",
            "mmmmmmmmmm",
        },
        3, 0);
    t.hline(1, 8, 14, Black);
    t.rect(2, 9, 12, 2, Orange);
    t.hline(2, 9, 12, Tan);
    t.rect(2, 11, 12, 2, Brown);
    t.rect(1, 14, 3, 2, Black);
    t.rect(12, 14, 3, 2, Black);
    return t;
}

Tile chest(bool open)
{
    Tile t = woodFloor();
    if (open) {
        box(t, 1, 1, 14, 5, DarkRed);
        t.rect(2, 2, 12, 1, Brown);
        t.vline(2, 2, 3, Yellow);
        t.vline(13, 2, 3, Yellow);
        box(t, 1, 5, 14, 10, Brown);
        t.paint(
            {
                ".yoyyoyyyoy.",
                "yyyoyyyoyyyo",
                "oyyyyoyyyyyy",
            },
            2, 6);
        t.hline(1, 9, 14, Black);
    } else {
        box(t, 1, 3, 14, 12, Brown);
        t.rect(2, 4, 12, 4, Orange);
        t.hline(2, 4, 12, Tan);
        t.hline(1, 8, 14, Black);
    }
    t.vline(2, open ? 10 : 4, open ? 4 : 10, Yellow);
    t.vline(13, open ? 10 : 4, open ? 4 : 10, Yellow);
    t.hline(2, 13, 12, DarkRed);
    if (!open) {
        t.rect(7, 7, 2, 4, Yellow);
        t.set(7, 9, Black);
    }
    return t;
}

Tile barrel()
{
    Tile t = woodFloor();
    t.paint(
        {
            "....kkkkkkkk....",
            "..kkttttttttkk..",
            ".kttoooooooottk.",
            ".kkttttttttttkk.",
            ".k111111111111k.",
            "kuoouuuuuuuuummk",
            "kuoouuuuuuuuummk",
            "kuoouuuuuuuuummk",
            "k11111111111111k",
            "kuoouuuuuuuuummk",
            "kuoouuuuuuuuummk",
            ".k111111111111k.",
            ".kuouuuuuuuummk.",
            "..kkkkkkkkkkkk..",
        },
        0, 1);
    return t;
}

Tile crate()
{
    Tile t = woodFloor();
    box(t, 1, 1, 14, 14, Orange);
    t.rect(2, 2, 12, 12, Orange);
    for (int y : {2, 12})
        t.rect(2, y, 12, 2, Brown);
    for (int x : {2, 12})
        t.rect(x, 2, 2, 12, Brown);
    for (int i = 0; i < 8; ++i) {
        t.set(4 + i, 11 - i, Brown);
        t.set(4 + i, 10 - i, Tan);
    }
    t.hline(4, 4, 8, Tan);
    return t;
}

// Shelves seen face on, each holding a row of things drawn by the caller.
Tile shelves()
{
    Tile t = woodFloor();
    box(t, 1, 0, 14, 16, DarkRed);
    for (int y : {5, 10, 15})
        t.hline(1, y, 14, Black);
    for (int y : {4, 9, 14})
        t.hline(2, y, 12, Orange);
    return t;
}

Tile bookshelf()
{
    Tile t = shelves();
    static constexpr std::array<Colour, 7> covers = {Red,   Blue,      Green,    Yellow,
                                                     White, LightBlue, DarkGreen};
    for (int shelf = 0; shelf < 3; ++shelf)
        for (int x = 2; x < 14; ++x) {
            const int n = noise(x, shelf, 5);
            if (n < 30)
                continue; // a gap where a book is out
            const int height = 3 - (n % 3 == 0 ? 1 : 0);
            const Colour c = covers[(x * 3 + shelf * 5 + n / 64) % covers.size()];
            t.vline(x, shelf * 5 + 4 - height, height, c);
        }
    return t;
}

Tile potShelf()
{
    Tile t = shelves();
    t.paint(
        {
            ".k...kk..kk.",
            "kck.kyyk.kok",
            "kck.kyyk.kok",
        },
        1, 1);
    t.paint(
        {
            ".kk...kk..k.",
            "kmmk.kgk.kwk",
            "kmmk.kgk.kwk",
        },
        2, 6);
    t.paint(
        {
            "kk..kkk..kk.",
            "oo.kuuuk.rr.",
            "oo.kuuuk.rr.",
        },
        2, 11);
    return t;
}

Tile wardrobe()
{
    Tile t = woodFloor();
    box(t, 1, 0, 14, 15, Brown);
    t.hline(2, 1, 12, Orange);
    t.vline(7, 2, 12, Black);
    t.vline(8, 2, 12, Black);
    t.vline(2, 2, 12, Orange);
    t.vline(9, 2, 12, Orange);
    t.rect(3, 3, 3, 4, DarkRed);
    t.rect(10, 3, 3, 4, DarkRed);
    t.rect(3, 9, 3, 4, DarkRed);
    t.rect(10, 9, 3, 4, DarkRed);
    t.set(6, 8, Yellow);
    t.set(9, 8, Yellow);
    t.rect(1, 15, 2, 1, Black);
    t.rect(13, 15, 2, 1, Black);
    return t;
}

Tile fireplace()
{
    Tile t = woodFloor();
    t.paint(
        {
            "kkkkkkkkkkkkkkkk",
            "kooooooooooooouk",
            "kmmmmmmmmmmmmmmk",
            "k332k33332k3332k",
            "k221k22221k2221k",
            "kkkkkkkkkkkkkkkk",
            "k32kkkkkkkkkk32k",
            "k21kkkkykkkkk21k",
            "kkkkkkyoykkkkkkk",
            "k32kkyoyroykk32k",
            "k21kyorryrokk21k",
            "kkkkyoryyrrokkkk",
            "k32kkuuuuuukk32k",
            "k21kuouuuuouk21k",
            "kkkkkkkkkkkkkkkk",
        },
        0, 0);
    return t;
}

Tile stove()
{
    Tile t = woodFloor();
    t.paint({
        "...........kk...",
        "..........k12k..",
        "..........k12k..",
        "..........k12k..",
        ".kkkkkkkkkk12kk.",
        "k33333333333333k",
        "k22222222222222k",
        "k11111111111111k",
        "k1kkkkkkkkkkkk1k",
        "k1kyoyroyoyrok1k",
        "k1koyrryroyryk1k",
        "k1kkkkkkkkkkkk1k",
        "k11111111111111k",
        "kkkkkkkkkkkkkkkk",
        ".k1k........k1k.",
        ".kkk........kkk.",
    });
    return t;
}

Tile cauldron()
{
    Tile t = woodFloor();
    t.paint(
        {
            "......g.........",
            "...g.....g..g...",
            "..kkkkkkkkkkkk..",
            ".k2gggfggggfg2k.",
            ".k1ggggggfggg1k.",
            "kk2kkkkkkkkkk2kk",
            "k12222222222221k",
            "k11222222222211k",
            "k11122222222111k",
            ".k111111111111k.",
            "..kk11111111kk..",
            "..k.kkkkkkkk.k..",
            ".kkyoyroyyroyk..",
            ".kuuuuuuuuuuuuk.",
            "..kkkkkkkkkkkk..",
        },
        0, 1);
    return t;
}

Tile clock()
{
    Tile t = woodFloor();
    t.paint({
        "....kkkkkkkk....",
        "...kuoooooouk...",
        "...kukkkkkkuk...",
        "...kukwwwwkuk...",
        "...kukwkwwkuk...",
        "...kukwwkwkuk...",
        "...kukwwwwkuk...",
        "...kukkkkkkuk...",
        "...kukkkykkuk...",
        "...kukkkykkuk...",
        "...kukkyyykuk...",
        "...kukkkkkkuk...",
        "...kuoooooouk...",
        "...kuuuuuuuuk...",
        "..kkkkkkkkkkkk..",
        "...kk......kk...",
    });
    return t;
}

Tile pottedPlant()
{
    Tile t = woodFloor();
    t.paint(
        {
            ".....kkk.kkk....",
            "....kgggkgggk...",
            "...kggfgggfggk..",
            "..kgggfgfggfgggk",
            "..kgfggggfgggfgk",
            "...kgggfgggfggk.",
            "....kkgggggkk...",
            "...kkkkkkkkkk...",
            "...kttttttttk...",
            "....koorrrrk....",
            "....koorrrmk....",
            "....korrrrmk....",
            ".....krrrmk.....",
            ".....kkkkkk.....",
        },
        0, 1);
    return t;
}

Tile rug()
{
    Tile t = woodFloor();
    t.paint(
        {
            "...kkkkkkkkkk...",
            ".kkyyyyyyyyyykk.",
            "kyybbbbbbbbbbyyk",
            "kybbyyyyyyyybbyk",
            "kybybbbbbbbybbyk",
            "kybybbccbbbybbyk",
            "kybybbbbccbybbyk",
            "kybybbbbbbbybbyk",
            "kybbyyyyyyyybbyk",
            "kyybbbbbbbbbbyyk",
            ".kkyyyyyyyyyykk.",
            "...kkkkkkkkkk...",
        },
        0, 2);
    return t;
}

Tile candlestand()
{
    Tile t = woodFloor();
    t.paint({
        ".......y........",
        "......yoy.......",
        "......ywy.......",
        ".......y........",
        "......kwk.......",
        "......kwk.......",
        "......k3k.......",
        "....kkkkkkk.....",
        "....kyyyyyk.....",
        ".....kkokk......",
        "......kok.......",
        "......kok.......",
        "......kok.......",
        ".....kkokk......",
        "....kyyoyyk.....",
        "....kkkkkkk.....",
    });
    return t;
}

Tile throne()
{
    Tile t = woodFloor();
    t.paint(
        {
            "....k..kk..k....",
            "...kyk.kyk.kyk..",
            "...kykkkykkkyk..",
            "...kyrrrrrrryk..",
            "...kyrmrrrmryk..",
            "...kyrrrrrrryk..",
            "...kyrrmrmrryk..",
            "...kyrrrrrrryk..",
            ".kyykrrrrrrrkyyk",
            ".kyykrrrrrrrkyyk",
            ".kkkkyyyyyyykkkk",
            "..kyyyyyyyyyyk..",
            "..kmmmmmmmmmmk..",
            "..kyk......kyk..",
            "..kkk......kkk..",
        },
        0, 1);
    return t;
}

Tile anvil()
{
    Tile t = woodFloor();
    t.paint(
        {
            ".kkkkkkkkkkkkk..",
            "k3333333333332k.",
            ".kk22222222221k.",
            "...kkk22221kk...",
            ".....k2221k.....",
            "....k222221k....",
            "...kkkkkkkkkk...",
            "..kuoooooooouk..",
            "..kuuuuuuuuuuk..",
            "..kmuuuuuuuumk..",
            "...kkkkkkkkkk...",
        },
        0, 4);
    return t;
}

Tile sack()
{
    Tile t = woodFloor();
    t.paint(
        {
            "......k..k......",
            ".....kwwkwwk....",
            "......kuuk......",
            ".....kwwwwk.....",
            "....kwwwwwwk....",
            "...kwwwwwwwwk...",
            "..kwwwwwwww33k..",
            "..kwwwwwwww33k..",
            "..kwwwwwww333k..",
            "..kwwwwww3333k..",
            "...k33333333k...",
            "....kkkkkkkk....",
        },
        0, 3);
    return t;
}

Tile vase()
{
    Tile t = woodFloor();
    t.paint(
        {
            "......kkkk......",
            ".....kbbbbk.....",
            "......kbbk......",
            "......kbbk......",
            ".....kbbbbk.....",
            "....kbcbbbbk....",
            "...kbcbbbbbnk...",
            "...kwwwwwwwwk...",
            "...kbcbbbbbnk...",
            "...kbbbbbbbnk...",
            "....kbbbbbnk....",
            ".....kbbbnk.....",
            "....kkkkkkkk....",
        },
        0, 2);
    return t;
}

Tile desk()
{
    Tile t = table(true, true);
    t.paint(
        {
            "kkkkkkkkk...",
            "kwwwkwwwk.kk",
            "kw3wkw3wk.nk",
            "kwwwkwwwk.kk",
            "kkkkkkkkk...",
        },
        2, 3);
    t.set(12, 2, White);
    t.set(13, 1, White);
    return t;
}

Tile counter()
{
    // Spans the whole width so counters set side by side join up.
    Tile t = woodFloor();
    t.hline(0, 3, 16, Black);
    t.rect(0, 4, 16, 3, Orange);
    t.hline(0, 4, 16, Tan);
    t.hline(0, 7, 16, Black);
    t.rect(0, 8, 16, 6, Brown);
    for (int x : {1, 9}) {
        t.rect(x + 1, 9, 5, 4, DarkRed);
        t.hline(x + 1, 9, 5, Orange);
    }
    t.hline(0, 14, 16, Black);
    t.paint({".kk.", "kyyk", "kyok"}, 10, 1);
    return t;
}

Tile weaponRack()
{
    Tile t = woodFloor();
    for (int y : {4, 11}) {
        t.rect(0, y - 1, 16, 3, Black);
        t.hline(0, y, 16, Brown);
    }
    // Sword.
    t.rect(2, 0, 4, 11, Black);
    t.vline(3, 1, 9, LightGrey);
    t.vline(4, 1, 9, White);
    t.rect(1, 9, 6, 2, Yellow);
    t.rect(3, 11, 2, 3, Brown);
    t.rect(3, 14, 2, 1, Yellow);
    // Spear.
    t.paint({".k.", "k3k", "k3k", "k2k", ".u.", ".u.", ".u.", ".u.", ".u.", ".u.", ".u.", ".u.",
             ".u.", ".u.", ".u."},
            7, 0);
    // Axe.
    t.paint({".kkk.", "k332k", "k32uk", ".kkuk", "...u.", "...u.", "...u.", "...u.", "...u.",
             "...u.", "...u.", "...u."},
            10, 2);
    t.hline(0, 11, 16, Brown);
    return t;
}

Tile bench()
{
    Tile t = woodFloor();
    box(t, 0, 5, 16, 5, Orange);
    t.hline(1, 6, 14, Tan);
    t.hline(1, 8, 14, Brown);
    for (int x : {2, 11}) {
        t.rect(x, 10, 3, 4, Black);
        t.vline(x + 1, 10, 3, Brown);
    }
    return t;
}

Tile jars()
{
    Tile t = woodFloor();
    const char *jar[] = {".kkkk.", "kttttk", ".kook.", "kooomk", "kooomk", "kooomk", ".kkkk."};
    auto put = [&](int x, int y, Colour body, Colour shade) {
        for (int row = 0; row < 7; ++row)
            for (int col = 0; col < 6; ++col) {
                Colour c;
                if (!colourFromCode(jar[row][col], c))
                    continue;
                t.set(x + col, y + row, c == Orange ? body : c == DarkRed ? shade : c);
            }
    };
    put(1, 2, Orange, DarkRed);
    put(9, 3, Blue, DarkBlue);
    put(5, 8, Green, DarkGreen);
    return t;
}

} // namespace

void drawFurnitureTiles(TileSet &set)
{
    set[Table] = table(true, true);
    set[TableMeal] = tableWithMeal();
    set[ChairFront] = chair(true);
    set[ChairBack] = chair(false);
    set[Stool] = stool();
    set[BedHead] = bedHead();
    set[BedFoot] = bedFoot();
    set[ChestClosed] = chest(false);
    set[ChestOpen] = chest(true);
    set[Barrel] = barrel();
    set[Crate] = crate();
    set[Bookshelf] = bookshelf();
    set[PotShelf] = potShelf();
    set[Wardrobe] = wardrobe();
    set[Fireplace] = fireplace();
    set[Stove] = stove();
    set[Cauldron] = cauldron();
    set[Clock] = clock();
    set[PottedPlant] = pottedPlant();
    set[Rug] = rug();
    set[Candlestand] = candlestand();
    set[Throne] = throne();
    set[Anvil] = anvil();
    set[Sack] = sack();
    set[Vase] = vase();
    set[Desk] = desk();
    set[TableLeft] = table(true, false);
    set[TableRight] = table(false, true);
    set[Counter] = counter();
    set[WeaponRack] = weaponRack();
    set[Bench] = bench();
    set[Jars] = jars();
}

} // namespace ArtGen

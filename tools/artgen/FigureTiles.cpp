// SPDX-License-Identifier: MIT
#include "tools/artgen/Ground.h"
#include "tools/artgen/PictureTiles.h"
#include "tools/artgen/TileIds.h"

#include <array>

namespace ArtGen {

namespace {

// The hero wears blue so he stands out on grass; the same body serves all four directions.
Tile heroDown()
{
    Tile t = grass(0);
    t.paint({
        "................",
        ".....kkkkkk.....",
        "....kuuuuuuk....",
        "...kuuuuuuuuk...",
        "...kuttttttuk...",
        "...ktkttttktk...",
        "...kttttttttk...",
        "....kttttttk....",
        "...kkbbbbbbkk...",
        "..ktbbbbbbbbtk..",
        "..ktyyyyyyyytk..",
        "...kbbbbbbbbk...",
        "...kbbbkkbbbk...",
        "...kuuk..kuuk...",
        "...kkkk..kkkk...",
        "................",
    });
    return t;
}

Tile heroUp()
{
    Tile t = grass(0);
    t.paint({
        "................",
        ".....kkkkkk.....",
        "....kuuuuuuk....",
        "...kuouuuuuuk...",
        "...kuouuuuuuk...",
        "...kuuuuuuuuk...",
        "...kuuuuuuuuk...",
        "....kuuuuuuk....",
        "...kkbbbbbbkk...",
        "..ktbbuuuubbtk..",
        "..ktyuuuuuuytk..",
        "...kbuuuuuubk...",
        "...kbbbkkbbbk...",
        "...kuuk..kuuk...",
        "...kkkk..kkkk...",
        "................",
    });
    return t;
}

Tile heroLeft()
{
    Tile t = grass(0);
    t.paint({
        "................",
        "......kkkkk.....",
        ".....kuuuuuk....",
        "....kuuuuuuuk...",
        "....kttuuuuuk...",
        "....ktkttuuuk...",
        "....kttttuuk....",
        ".....ktttttk....",
        ".....kbbbbbk....",
        "....kbbbtbbbk...",
        "....kyyyyyyyk...",
        "....kbbbbbbbk...",
        "....kbbk.kbbk...",
        "...kuuk...kuuk..",
        "...kkkk...kkkk..",
        "................",
    });
    return t;
}

Tile princess()
{
    Tile t = woodFloor();
    t.paint({
        "......y.y.y.....",
        ".....kyyyyyk....",
        "...kooooooook...",
        "...kottttttok...",
        "...kotkttktok...",
        "...kottttttok...",
        "..kooktrrtkook..",
        "..koookttkoook..",
        "..kookrrrrkook..",
        "...kkrwrrwrkk...",
        "...ktrrrrrrtk...",
        "...krrrrrrrrk...",
        "..krrmrrrrmrrk..",
        ".krrmrrrrrrmrrk.",
        ".kwwwwwwwwwwwwk.",
        "..kkkkkkkkkkkk..",
    });
    return t;
}

Tile wizard()
{
    Tile t = woodFloor();
    t.paint({
        ".......kk.......",
        "......knnk......",
        ".....knnynk.....",
        ".....knnnnk.....",
        "....knnnnnnk....",
        "..knnnnnnnnnnk..",
        "...ktkttttktk...",
        "...kwwttttwwk...",
        "...kwwwwwwwwk...",
        "..kbkwwwwwwkbk..",
        ".kbbbkwwwwkbbbk.",
        ".ktbbbkwwkbbbtk.",
        "..kbbbbkkbbbbk..",
        "..kbbbbbbbbbbk..",
        "..knnnnnnnnnnk..",
        "..kkkkkkkkkkkk..",
    });
    return t;
}

Tile guard()
{
    Tile t = grass(1);
    t.paint({
        "......kkkk......",
        ".....k3332k.....",
        "....k333322k....",
        "....k222222k....",
        "....kkttttkk....",
        "....ktkttktk....",
        "....kttttttk....",
        ".....kkkkkk.....",
        "...k33rrrr33k...",
        "..kt3rrwwrr3tk..",
        "..kt2rrwwrr2tk..",
        "...kyyyyyyyyk...",
        "...k22rrrr22k...",
        "...k222kk222k...",
        "...kuuukkuuuk...",
        "...kkkk..kkkk...",
    });
    // His spear, held upright at his side.
    t.set(14, 0, White);
    t.set(14, 1, LightGrey);
    t.vline(14, 2, 14, Brown);
    t.vline(15, 1, 15, Black);
    return t;
}

Tile farmer()
{
    Tile t = grass(2);
    t.paint({
        "................",
        "......kkkk......",
        ".....kyyyyk.....",
        "..kkkyooooykkk..",
        ".kyyyyyyyyyyyyk.",
        "..kkkttttttkkk..",
        "....ktkttktk....",
        "....kttttttk....",
        ".....kttttk.....",
        "...kkwwwwwwkk...",
        "..ktwnwwwwnwtk..",
        "..ktwnnnnnnwtk..",
        "...knnnnnnnnk...",
        "...knnnkknnnk...",
        "...kuuk..kuuk...",
        "...kkkk..kkkk...",
    });
    return t;
}

Tile villager()
{
    Tile t = grass(3);
    t.paint({
        "......kkkk......",
        ".....kuuuuk.....",
        "....kuuuuuuk....",
        "...kuuuuuuuuk...",
        "...kuttttttuk...",
        "...kutkttktuk...",
        "...kuttttttuk...",
        "....kkttttkk....",
        "...kooooooook...",
        "..ktoowwwwootk..",
        "..ktowwwwwwotk..",
        "...kowwwwwwok...",
        "..koowwwwwwook..",
        "..kooooooooook..",
        "...kkkkkkkkkk...",
        "....kk....kk....",
    });
    return t;
}

Tile elder()
{
    Tile t = woodFloor();
    t.paint({
        "................",
        ".....kkkkkk.....",
        "....k333333k....",
        "...k3tttttt3k...",
        "...k3tkttkt3k...",
        "...kttttttttk...",
        "...kwwttttwwk...",
        "....kwwwwwwk....",
        "...kmmkwwkmmk...",
        "..kmmmmkkmmmmk..",
        "..ktmmmmmmmmtk..",
        "...kmmmmmmmmk...",
        "...kmmmrmmmmk...",
        "...kmmmrmmmmk...",
        "...kmmmmmmmmk...",
        "...kkkkkkkkkk...",
    });
    return t;
}

Tile merchant()
{
    Tile t = woodFloor();
    t.paint({
        "................",
        ".....kkkkkk.....",
        "....kwwwwwwk....",
        "...kwwrwwwwwk...",
        "...kwwwwwwwwk...",
        "...kttttttttk...",
        "...ktkttttktk...",
        "...kttuuuuttk...",
        "....kttttttk....",
        "...kgggyygggk...",
        "..ktgggyygggtk..",
        "..ktgggyygggtk..",
        "...kuuuuuuuuk...",
        "...kgggkkgggk...",
        "...kuuk..kuuk...",
        "...kkkk..kkkk...",
    });
    return t;
}

Tile cat()
{
    Tile t = woodFloor();
    t.paint({
        "................",
        "................",
        "................",
        "................",
        "...kk....kk.....",
        "...k1k..k1k.....",
        "...k11kkk11k....",
        "...k1111111k....",
        "...k1y111y1k....",
        "...k111r111k....",
        "....k11111k.....",
        "...k1111111k.kk.",
        "..k111111111kk1k",
        "..k111111111k1k.",
        "..k11k111k11kk..",
        "...kk.kkk.kk....",
    });
    return t;
}

Tile dog()
{
    Tile t = grass(1);
    t.paint({
        "................",
        "................",
        "................",
        "...kkk..........",
        "..kuuuk.........",
        ".kuktuuk........",
        "ktuuuuuk........",
        "kkuuumuk......k.",
        ".kkuumukkkkkkuk.",
        "...kuuuuuuuuuk..",
        "...kuuuuuuuuuk..",
        "...kuttttttuuk..",
        "...kuukkkkkuuk..",
        "...kuk....kuk...",
        "...kkk....kkk...",
        "................",
    });
    return t;
}

Tile chicken()
{
    Tile t = grass(2);
    t.paint(
        {
            "....rr..........",
            "...kwwk.........",
            "..kwkwk.........",
            ".ykwwwk.........",
            "..kwwwkkkk......",
            "..kwwwwwwwkk....",
            "..kwwwwww3wwk...",
            "..kwww333wwwk...",
            "...kwwwwwwwk....",
            "....kkkkkkk.....",
            ".....y...y......",
            "....yy..yy......",
        },
        2, 3);
    return t;
}

Tile slime()
{
    Tile t = dungeonFloor();
    t.paint({
        "................",
        "................",
        "................",
        "................",
        "................",
        "................",
        "......kkkk......",
        "....kkggggkk....",
        "...kgwgggggfk...",
        "..kgwwgggggffk..",
        "..kggkggggkgfk..",
        ".kgggkggggkgffk.",
        ".kgggggggggfffk.",
        ".kffgggggggfffk.",
        "..kkkkkkkkkkkk..",
        "................",
    });
    return t;
}

Tile bat()
{
    Tile t = dungeonFloor();
    t.paint({
        "................",
        "................",
        "................",
        "......k..k......",
        ".k....kkkk....k.",
        ".kk..kuuuuk..kk.",
        ".kuk.kruurk.kuk.",
        ".kuukkuuuukkuuk.",
        ".kuuukuwwukuuuk.",
        ".kuuuukuukuuuuk.",
        ".kukuukuukuukuk.",
        ".kk.kukkkkuk.kk.",
        "....k.k..k.k....",
        "................",
        "................",
        "................",
    });
    return t;
}

Tile skeleton()
{
    Tile t = dungeonFloor();
    t.paint({
        "................",
        ".....kkkkkk.....",
        "....kwwwwwwk....",
        "...kwwwwwwwwk...",
        "...kwkkwwkkwk...",
        "...kwkkwwkkwk...",
        "...kwwwkkwwwk...",
        "....kwwwwwwk....",
        ".....kkwkwkk....",
        "....kkwwwwkk....",
        "...kwkwkkwkwk...",
        "..kwkkwwwwkkwk..",
        "..kwk.kwwk.kwk..",
        "...k.kwkkwk.k...",
        "....kwk..kwk....",
        "...kwwk..kwwk...",
    });
    return t;
}

Tile ghost()
{
    Tile t = dungeonFloor();
    t.paint({
        "................",
        "................",
        ".....kkkkkk.....",
        "....kwwwwwwk....",
        "...kwwwwwwwwk...",
        "...kwkkwwkkwk...",
        "...kwkkwwkkwk...",
        "..kwwwwwwwwwwk..",
        "..kwwwwkkwwwwk..",
        "..kwwwwkkwwwwk..",
        "..kcwwwwwwwwck..",
        "..kccwwwwwwcck..",
        "..kcwccwccwcck..",
        "..kckkckkckkck..",
        "...k..k..k..k...",
        "................",
    });
    return t;
}

Tile goblin()
{
    Tile t = dungeonFloor();
    t.paint({
        "................",
        "................",
        "................",
        ".....kkkkkk.....",
        ".k..kggggggk..k.",
        ".kgkggggggggkgk.",
        "..kggyggggyggk..",
        "...kggggggggk...",
        "...kgwkwwkwgk...",
        "....kggggggk....",
        "...kuuuuuuuuk...",
        "..kguuuuuuuugk..",
        "..kguumuumuugk..",
        "...kuuuuuuuuk...",
        "...kggk..kggk...",
        "...kkkk..kkkk...",
    });
    return t;
}

Tile spider()
{
    Tile t = dungeonFloor();
    t.paint({
        "................",
        "................",
        "................",
        "k..k........k..k",
        ".k..k......k..k.",
        "..k..kkkkkk..k..",
        "...kkmmmmmmkk...",
        "kkk.kmymmymk.kkk",
        "...kkmmmmmmkk...",
        "..k.kmrrrrmk.k..",
        ".k..kmrmmrmk..k.",
        "k..k.kmrrmk.k..k",
        "...k..kkkk..k...",
        "..k..........k..",
        "................",
        "................",
    });
    return t;
}

Tile snake()
{
    Tile t = dungeonFloor();
    t.paint({
        "................",
        "................",
        "................",
        "........kkkk....",
        ".......kgkgggk..",
        ".......kggggggk.",
        "........kkgggkrr",
        "..........kggk..",
        "....kkkkkkggk...",
        "...kggyggyggk...",
        "..kgykkkkkkggk..",
        "..kggkkkkkkgyk..",
        "..kgyggyggyggk..",
        "...kkkkkkkkkk...",
        "................",
        "................",
    });
    return t;
}

Tile dragon()
{
    Tile t = dungeonFloor();
    t.paint({
        "................",
        "................",
        "....kk....kk....",
        "....kykkkkyk....",
        "...krrrrrrrrk...",
        "...kryrrrryrk...",
        "...krrrrrrrrk...",
        "k...kroooork...k",
        "kk...kkkkkk...kk",
        "kmk.krrrrrrk.kmk",
        "kmmkkroooorkkmmk",
        "kmmmkroooorkmmmk",
        ".kkkkrrrrrrkkkk.",
        "....krrkkrrk....",
        "....kkk..kkk....",
        "................",
    });
    return t;
}

Tile potion()
{
    Tile t = dungeonFloor();
    t.paint({
        "................",
        "................",
        "......kkkk......",
        "......kuuk......",
        ".....kkwckk.....",
        "......kwck......",
        ".....kwccck.....",
        "....kwccccck....",
        "...kwrrrrrrrk...",
        "...kwrrrrrrrk...",
        "...krrrrrrrmk...",
        "...krrrrrrmmk...",
        "....krrrrmmk....",
        ".....kkkkkk.....",
        "................",
        "................",
    });
    return t;
}

Tile goldKey()
{
    Tile t = dungeonFloor();
    t.paint(
        {
            "..kkkk..........",
            ".kyyyyk.........",
            "kyykkyykkkkkkkk.",
            "kyk..kyyyyyyyyyk",
            "kyykkyykkkykkyk.",
            ".kyyyyk..kyk.kk.",
            "..kkkk...kk.....",
        },
        0, 5);
    return t;
}

Tile gem()
{
    Tile t = dungeonFloor();
    t.paint({
        "................",
        "................",
        "................",
        ".....kkkkkk.....",
        "....kwcwccck....",
        "...kwcwccccbk...",
        "..kkkkkkkkkkkk..",
        "..kcwccbccbbnk..",
        "...kcwcbcbbnk...",
        "....kccbbbnk....",
        ".....kcbbnk.....",
        "......kbnk......",
        ".......kk.......",
        "................",
        "................",
        "................",
    });
    return t;
}

Tile coins()
{
    Tile t = dungeonFloor();
    for (const auto &[x, y] :
         std::array<std::array<int, 2>, 6>{{{5, 4}, {9, 5}, {2, 8}, {8, 9}, {5, 11}, {10, 12}}})
        t.paint({".kkkk.", "kywyyk", "kyyyok", ".kkkk."}, x, y);
    return t;
}

Tile sword()
{
    Tile t = dungeonFloor();
    t.paint({
        "................",
        ".............kk.",
        "............kwk.",
        "...........kw3k.",
        "..........kw3k..",
        ".........kw3k...",
        "........kw3k....",
        ".......kw3k.....",
        "..kk..kw3k......",
        "..kykkw3k.......",
        "...kyyk.........",
        "..kukyyk........",
        ".kuk..kk........",
        "kyk.............",
        ".k..............",
        "................",
    });
    return t;
}

Tile shield()
{
    Tile t = dungeonFloor();
    t.paint({
        "................",
        "................",
        "...kkkkkkkkkk...",
        "..kbbbbyybbbbk..",
        "..kbcbbyybbbnk..",
        "..kbcbbyybbbnk..",
        "..kyyyyyyyyyyk..",
        "..kbcbbyybbbnk..",
        "..kbbbbyybbbnk..",
        "...kbbbyybbnk...",
        "...kbbbyybbnk...",
        "....kbbyybnk....",
        ".....kbyynk.....",
        "......kyyk......",
        ".......kk.......",
        "................",
    });
    return t;
}

Tile heart()
{
    Tile t = dungeonFloor();
    t.paint(
        {
            "..kkkk..kkkk....",
            ".krrrrkkrrrrk...",
            "krwwrrrrrrrrrk..",
            "krwrrrrrrrrrmk..",
            "krrrrrrrrrrrmk..",
            ".krrrrrrrrrmk...",
            "..krrrrrrrmk....",
            "...krrrrrmk.....",
            "....krrrmk......",
            ".....krmk.......",
            "......kk........",
        },
        1, 3);
    return t;
}

Tile scroll()
{
    Tile t = dungeonFloor();
    t.paint(
        {
            ".kkkkkkkkkkkkkk.",
            "kttkwwwwwwwwkttk",
            "ktokw11w111wkotk",
            "ktokwwwwwwwwkotk",
            "ktokw111w11wkotk",
            "ktokwwwwwwwwkotk",
            "ktokw11111wwkotk",
            "kttkwwwwwwwwkttk",
            ".kkkkkkkkkkkkkk.",
        },
        0, 4);
    return t;
}

Tile bomb()
{
    Tile t = dungeonFloor();
    t.paint({
        "................",
        "................",
        "..........y.....",
        ".........yoy....",
        "..........u.....",
        ".........u......",
        "......kkkuk.....",
        ".....knnnnk.....",
        "....knbbnnnk....",
        "...knbwbnnnnk...",
        "...knbbnnnnnk...",
        "...knnnnnnnnk...",
        "...knnnnnnnnk...",
        "....knnnnnnk....",
        ".....kkkkkk.....",
        "................",
    });
    return t;
}

} // namespace

void drawFigureTiles(TileSet &set)
{
    set[HeroDown] = heroDown();
    set[HeroUp] = heroUp();
    set[HeroLeft] = heroLeft();
    set[HeroRight] = heroLeft().mirrored();
    set[Princess] = princess();
    set[Wizard] = wizard();
    set[Guard] = guard();
    set[Farmer] = farmer();
    set[Villager] = villager();
    set[Elder] = elder();
    set[Merchant] = merchant();
    set[Cat] = cat();
    set[Dog] = dog();
    set[Chicken] = chicken();
    set[Slime] = slime();
    set[Bat] = bat();
    set[Skeleton] = skeleton();
    set[Ghost] = ghost();
    set[Goblin] = goblin();
    set[Spider] = spider();
    set[Snake] = snake();
    set[Dragon] = dragon();
    set[RedPotion] = potion();
    set[BluePotion] = potion();
    set[BluePotion].recolour(Red, Blue);
    set[BluePotion].recolour(DarkRed, DarkBlue);
    set[GoldKey] = goldKey();
    set[Gem] = gem();
    set[Coins] = coins();
    set[Sword] = sword();
    set[Shield] = shield();
    set[HeartItem] = heart();
    set[Scroll] = scroll();
    set[Bomb] = bomb();
}

} // namespace ArtGen

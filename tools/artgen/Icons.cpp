// SPDX-License-Identifier: MIT
#include "tools/artgen/Icons.h"

#include "tools/artgen/Palette.h"

#include <QtGlobal>

#include <cstring>
#include <initializer_list>

namespace ArtGen {

namespace {

// Pixel-art rows as in the tiles, with '.' left transparent so the icons sit on any title bar.
QImage pixelArt(std::initializer_list<const char *> rows, int scale)
{
    const int size = int(rows.size());
    QImage image(size * scale, size * scale, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    int y = 0;
    for (const char *row : rows) {
        if (int(std::strlen(row)) != size)
            qFatal("icon row %d is not %d pixels long: %s", y, size, row);
        for (int x = 0; x < size; ++x) {
            Colour c;
            if (!colourFromCode(row[x], c))
                continue;
            for (int dy = 0; dy < scale; ++dy)
                for (int dx = 0; dx < scale; ++dx)
                    image.setPixel(x * scale + dx, y * scale + dy, rgb(c));
        }
        ++y;
    }
    return image;
}

} // namespace

QImage applicationIcon(int scale)
{
    // Four tiles (grass, water, brick, sand) and a brush laying paint on them.
    return pixelArt(
        {
            ".............kuo",
            "............kuok",
            "...........kuok.",
            "kkkkkkkkkkkuok..",
            "kgggggkbbkuok...",
            "kgggggkbkuokk...",
            "kgfgfgkk23kbk...",
            "kggfggk23kbbk...",
            "kggggkrrkbbbk...",
            "kkkkkrrkkkkkk...",
            "krr3krktttttk...",
            "krr3rkktotttk...",
            "k33333kttttwk...",
            "kr3rr3ktttotk...",
            "kr3rr3ktttttk...",
            "kkkkkkkkkkkkk...",
        },
        scale);
}

QImage previewIcon(int scale)
{
    // The same tiles under a magnifying glass.
    return pixelArt(
        {
            "kkkkkkkkkkkkk...",
            "kgggggkbbbbbk...",
            "kgggggkbccbbk...",
            "kgfgfgkbbbcbk...",
            "kggfggkkkkkkk...",
            "kggggk333333k...",
            "kkkkk33cccc33k..",
            "krr3k3cwwccc3k..",
            "krr3k3cwcccc3k..",
            "k333k3cccccc3k..",
            "kr3rk3cccbcb3k..",
            "kr3rk33cccb3kk..",
            "kkkkkk33333kuok.",
            "......kkkkkkkuok",
            ".............kuo",
            "..............ku",
        },
        scale);
}

} // namespace ArtGen

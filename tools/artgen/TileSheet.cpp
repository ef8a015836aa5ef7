// SPDX-License-Identifier: MIT
#include "tools/artgen/TileSheet.h"

#include "tools/artgen/Font.h"

namespace ArtGen {

namespace {

Tile glyphTile(const Glyph &glyph)
{
    Tile t(Black);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            if (glyph[y][x] == '#')
                t.rect(x * 2, y * 2, 2, 2, White);
    return t;
}

} // namespace

TileSet buildTileSet()
{
    TileSet set;
    for (int n = 0; n < 64; ++n)
        set[n] = glyphTile(tileGlyph(n));
    drawWallTiles(set);
    drawGroundTiles(set);
    drawBuildingTiles(set);
    drawFurnitureTiles(set);
    drawNatureTiles(set);
    drawFigureTiles(set);
    return set;
}

QImage tileSheetImage(const TileSet &set)
{
    // RGB888 is what makes the BMP writer produce an uncompressed 24-bit file.
    QImage image(SheetWidth, SheetHeight, QImage::Format_RGB888);
    image.fill(Qt::black);
    for (int n = 0; n < int(set.size()); ++n) {
        const int left = (n % SheetColumns) * Tile::Size;
        const int top = (n / SheetColumns) * Tile::Size;
        for (int y = 0; y < Tile::Size; ++y)
            for (int x = 0; x < Tile::Size; ++x)
                image.setPixel(left + x, top + y, rgb(set[n].at(x, y)));
    }
    return image;
}

} // namespace ArtGen

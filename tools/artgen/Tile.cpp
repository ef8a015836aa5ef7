// SPDX-License-Identifier: MIT
#include "tools/artgen/Tile.h"

#include <QtGlobal>

#include <cstdint>
#include <cstring>

namespace ArtGen {

void Tile::set(int x, int y, Colour c)
{
    if (x >= 0 && x < Size && y >= 0 && y < Size)
        px_[y * Size + x] = c;
}

void Tile::rect(int x, int y, int w, int h, Colour c)
{
    for (int yy = y; yy < y + h; ++yy)
        for (int xx = x; xx < x + w; ++xx)
            set(xx, yy, c);
}

void Tile::paint(std::initializer_list<const char *> rows, int x, int y)
{
    paintScaled(rows, x, y, 1);
}

void Tile::paint2x(std::initializer_list<const char *> rows, int x, int y)
{
    paintScaled(rows, x, y, 2);
}

void Tile::paintScaled(std::initializer_list<const char *> rows, int x, int y, int scale)
{
    // Ragged rows are always a typing slip in the art, so they stop the build of the art.
    const std::size_t width = std::strlen(*rows.begin());
    int row = 0;
    for (const char *line : rows) {
        if (std::strlen(line) != width)
            qFatal("pixel-art row %d has length %zu, expected %zu: %s", row, std::strlen(line),
                   width, line);
        for (std::size_t col = 0; col < width; ++col) {
            Colour c;
            if (colourFromCode(line[col], c))
                rect(x + int(col) * scale, y + row * scale, scale, scale, c);
        }
        ++row;
    }
}

void Tile::recolour(Colour from, Colour to)
{
    for (Colour &c : px_)
        if (c == from)
            c = to;
}

Tile Tile::mirrored() const
{
    Tile t;
    for (int y = 0; y < Size; ++y)
        for (int x = 0; x < Size; ++x)
            t.set(x, y, at(Size - 1 - x, y));
    return t;
}

int noise(int x, int y, int seed)
{
    std::uint32_t h = std::uint32_t(x) * 374761393u + std::uint32_t(y) * 668265263u +
                      std::uint32_t(seed) * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return int((h ^ (h >> 16)) & 0xff);
}

} // namespace ArtGen

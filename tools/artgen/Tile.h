// SPDX-License-Identifier: MIT
#pragma once

#include "tools/artgen/Palette.h"

#include <array>
#include <initializer_list>

namespace ArtGen {

// One 16 x 16 tile as palette colours, so no picture can stray outside the palette.
class Tile
{
public:
    static constexpr int Size = 16;

    explicit Tile(Colour fill = Black) { px_.fill(fill); }

    Colour at(int x, int y) const { return px_[y * Size + x]; }
    // Pixels outside the tile are ignored, which lets shapes run over the edge.
    void set(int x, int y, Colour c);
    void rect(int x, int y, int w, int h, Colour c);
    void hline(int x, int y, int length, Colour c) { rect(x, y, length, 1, c); }
    void vline(int x, int y, int length, Colour c) { rect(x, y, 1, length, c); }

    // Draws pixel-art rows (see Palette.h for the letters) with their top-left corner at
    // (x, y); transparent pixels keep what is already there. All rows must be equally long.
    void paint(std::initializer_list<const char *> rows, int x = 0, int y = 0);
    // The same for art designed on a half-size grid, each pixel drawn as 2 x 2.
    void paint2x(std::initializer_list<const char *> rows, int x = 0, int y = 0);

    // Replaces one colour by another, for colour variants of one drawing.
    void recolour(Colour from, Colour to);
    Tile mirrored() const;

private:
    void paintScaled(std::initializer_list<const char *> rows, int x, int y, int scale);

    std::array<Colour, Size * Size> px_;
};

// A repeatable pseudo-random value 0..255 for textures, so every run draws the same tiles.
int noise(int x, int y, int seed);

} // namespace ArtGen

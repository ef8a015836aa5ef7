// SPDX-License-Identifier: MIT
#pragma once

#include "core/render/TileGeometry.h"

#include <QImage>
#include <QSize>

#include <cstdint>
#include <vector>

// Cutting a picture into map cells: the rules for the picture's size, and the
// distinct 16 x 16 tiles it is made of.
namespace PictureTiles {

// A picture makes at most a whole grid of cells.
inline constexpr int MaxColumns = Tiles::GridColumns;
inline constexpr int MaxRows = Tiles::GridRows;
// The width a map file cannot hold: its width byte 255 stands for the whole
// grid, 256 columns.
inline constexpr int UnholdableColumns = 255;

inline constexpr int TilePixels = Tiles::TileSize * Tiles::TileSize;

enum class SizeCheck {
    Fits,
    NotWholeTiles, // width or height not a multiple of 16 (or nothing at all)
    TooLarge,      // more than 256 x 128 cells
    Width255,      // exactly 255 columns
};

SizeCheck checkSize(QSize pixels);

// One tile's pixels, 16 rows of 16, as 32-bit RGB with the alpha byte set.
using TilePixelsArray = std::vector<std::uint32_t>;

// A picture cut into cells. Tile n of distinct is pixels
// [n * TilePixels, (n + 1) * TilePixels), numbered in the order of first
// appearance reading the picture row by row.
struct Cut
{
    int columns = 0;
    int rows = 0;
    // Each cell's distinct tile, row by row.
    std::vector<int> cells;
    // The pixels of the distinct tiles.
    std::vector<std::uint32_t> distinct;
    // How many cells hold each distinct tile.
    std::vector<int> uses;

    int distinctCount() const { return static_cast<int>(uses.size()); }
    const std::uint32_t *tile(int n) const { return distinct.data() + std::size_t(n) * TilePixels; }
};

// Cuts a picture whose size checkSize() accepts. Equal tiles are found by a
// hash of the whole tile, and pixels are compared only when hashes are
// equal, so cutting costs about one pass over the picture.
Cut cut(const QImage &picture);

// The picture that cells drawn with the given tiles make: cell n shows
// tiles[cells[n]].
QImage draw(int columns, int rows, const std::vector<int> &cells,
            const std::vector<std::uint32_t> &tiles);

} // namespace PictureTiles

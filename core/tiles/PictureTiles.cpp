// SPDX-License-Identifier: MIT
#include "core/tiles/PictureTiles.h"

#include <cstring>
#include <unordered_map>

using Tiles::TileSize;

namespace PictureTiles {

namespace {

constexpr std::size_t RowBytes = TileSize * sizeof(std::uint32_t);

// A multiply-rotate hash over the tile's 64-bit words: a few instructions a
// word, and any changed pixel changes it.
std::uint64_t hashTile(const QImage &picture, int x, int y)
{
    constexpr std::uint64_t Multiplier = 0x9E3779B97F4A7C15ull;
    std::uint64_t hash = 0;
    for (int row = 0; row < TileSize; ++row) {
        const auto *line = reinterpret_cast<const std::uint32_t *>(picture.constScanLine(y + row)) + x;
        std::uint64_t words[RowBytes / sizeof(std::uint64_t)];
        std::memcpy(words, line, RowBytes);
        for (const std::uint64_t word : words) {
            hash = (hash ^ word) * Multiplier;
            hash ^= hash >> 29;
        }
    }
    return hash;
}

bool sameTile(const QImage &picture, int x, int y, const std::uint32_t *tile)
{
    for (int row = 0; row < TileSize; ++row) {
        const uchar *line = picture.constScanLine(y + row) + x * sizeof(std::uint32_t);
        if (std::memcmp(line, tile + row * TileSize, RowBytes) != 0)
            return false;
    }
    return true;
}

void copyTile(const QImage &picture, int x, int y, std::uint32_t *to)
{
    for (int row = 0; row < TileSize; ++row)
        std::memcpy(to + row * TileSize, picture.constScanLine(y + row) + x * sizeof(std::uint32_t),
                    RowBytes);
}

} // namespace

SizeCheck checkSize(QSize pixels)
{
    if (pixels.width() <= 0 || pixels.height() <= 0 || pixels.width() % TileSize != 0 ||
        pixels.height() % TileSize != 0)
        return SizeCheck::NotWholeTiles;
    const int columns = pixels.width() / TileSize;
    const int rows = pixels.height() / TileSize;
    if (columns > MaxColumns || rows > MaxRows)
        return SizeCheck::TooLarge;
    if (columns == UnholdableColumns)
        return SizeCheck::Width255;
    return SizeCheck::Fits;
}

Cut cut(const QImage &source)
{
    // The canvas shows 32-bit RGB; alpha has no meaning on it.
    const QImage picture = source.format() == QImage::Format_RGB32
                               ? source
                               : source.convertToFormat(QImage::Format_RGB32);
    Cut result;
    result.columns = picture.width() / TileSize;
    result.rows = picture.height() / TileSize;
    result.cells.reserve(std::size_t(result.columns) * result.rows);

    // The first distinct tile of each hash; further tiles of the same hash
    // (a collision) are chained through next.
    std::unordered_map<std::uint64_t, int> firstOfHash;
    firstOfHash.reserve(std::size_t(result.columns) * result.rows);
    std::vector<int> next;
    for (int row = 0; row < result.rows; ++row) {
        for (int column = 0; column < result.columns; ++column) {
            const int x = column * TileSize;
            const int y = row * TileSize;
            const std::uint64_t hash = hashTile(picture, x, y);
            const auto [found, added] = firstOfHash.try_emplace(hash, result.distinctCount());
            int tile = found->second;
            int last = -1;
            if (!added) {
                while (tile >= 0 && !sameTile(picture, x, y, result.tile(tile))) {
                    last = tile;
                    tile = next[tile];
                }
            }
            if (added || tile < 0) {
                tile = result.distinctCount();
                if (last >= 0)
                    next[last] = tile;
                next.push_back(-1);
                result.uses.push_back(0);
                result.distinct.resize(result.distinct.size() + TilePixels);
                copyTile(picture, x, y, result.distinct.data() + std::size_t(tile) * TilePixels);
            }
            ++result.uses[tile];
            result.cells.push_back(tile);
        }
    }
    return result;
}

QImage draw(int columns, int rows, const std::vector<int> &cells,
            const std::vector<std::uint32_t> &tiles)
{
    QImage picture(columns * TileSize, rows * TileSize, QImage::Format_RGB32);
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column) {
            const std::uint32_t *tile =
                tiles.data() + std::size_t(cells[std::size_t(row) * columns + column]) * TilePixels;
            for (int line = 0; line < TileSize; ++line)
                std::memcpy(picture.scanLine(row * TileSize + line) +
                                column * TileSize * sizeof(std::uint32_t),
                            tile + line * TileSize, RowBytes);
        }
    return picture;
}

} // namespace PictureTiles

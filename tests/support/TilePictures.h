// SPDX-License-Identifier: MIT
#pragma once

#include "core/render/TileGeometry.h"

#include <QImage>
#include <QRandomGenerator>

#include <functional>

// Pictures made of tiles for the tests of cutting and importing: each cell
// shows a tile drawn from a key, and equal keys draw equal tiles.
namespace TilePictures {

// A tile of its own for each key: pixels that no other key's tile has.
inline QRgb keyedPixel(int key, int x, int y)
{
    return qRgb((key * 37 + x * 11) & 0xFF, (key / 7 + y * 13) & 0xFF, (key * 5 + x * y) & 0xFF);
}

// A picture columns x rows cells wide whose cell (c, r) shows the tile of
// key(c, r).
inline QImage picture(int columns, int rows, const std::function<int(int, int)> &key)
{
    QImage image(columns * Tiles::TileSize, rows * Tiles::TileSize, QImage::Format_RGB32);
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column) {
            const int k = key(column, row);
            for (int y = 0; y < Tiles::TileSize; ++y)
                for (int x = 0; x < Tiles::TileSize; ++x)
                    image.setPixel(column * Tiles::TileSize + x, row * Tiles::TileSize + y,
                                   keyedPixel(k, x, y));
        }
    return image;
}

// Numbers 0 .. count - 1, then count - 1 again: count distinct tiles.
inline QImage distinctTiles(int columns, int rows, int count)
{
    return picture(columns, rows, [columns, count](int column, int row) {
        return std::min(row * columns + column, count - 1);
    });
}

} // namespace TilePictures

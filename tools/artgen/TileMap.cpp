// SPDX-License-Identifier: MIT
#include "tools/artgen/TileMap.h"

#include "tools/artgen/Font.h"
#include "tools/artgen/TileIds.h"
#include "tools/artgen/TileSheet.h"

#include <QPainter>

namespace ArtGen {

TileMap::TileMap(int width, int height, std::uint8_t fill)
    : width_(width), height_(height), cells_(GridWidth * GridHeight, GlyphBlank)
{
    if (width < 1 || width > 254 || height < 1 || height > GridHeight)
        qFatal("map size %d x %d does not fit the grid", width, height);
    this->fill(0, 0, width, height, fill);
}

void TileMap::set(int col, int row, int tile)
{
    if (col < 0 || col >= width_ || row < 0 || row >= height_ || tile < 0 || tile > 255)
        qFatal("tile %d at (%d, %d) is outside the map", tile, col, row);
    cells_[row * GridWidth + col] = std::uint8_t(tile);
}

void TileMap::fill(int col, int row, int w, int h, int tile)
{
    for (int r = row; r < row + h; ++r)
        for (int c = col; c < col + w; ++c)
            set(c, r, tile);
}

void TileMap::text(int col, int row, std::string_view s)
{
    for (char ch : s)
        set(col++, row, tileForChar(ch));
}

QByteArray TileMap::fileBytes() const
{
    QByteArray bytes;
    bytes.reserve(4 + int(cells_.size()));
    bytes.append(char(0xfe));
    bytes.append(char(0x4f));
    bytes.append(char(width_));
    bytes.append(char(height_));
    bytes.append(reinterpret_cast<const char *>(cells_.data()), qsizetype(cells_.size()));
    return bytes;
}

QImage TileMap::render(const QImage &sheet) const
{
    QImage image(width_ * Tile::Size, height_ * Tile::Size, QImage::Format_RGB888);
    QPainter painter(&image);
    for (int r = 0; r < height_; ++r)
        for (int c = 0; c < width_; ++c) {
            const int tile = at(c, r);
            painter.drawImage(c * Tile::Size, r * Tile::Size, sheet,
                              (tile % SheetColumns) * Tile::Size,
                              (tile / SheetColumns) * Tile::Size, Tile::Size, Tile::Size);
        }
    return image;
}

} // namespace ArtGen

// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QImage>

#include <cstdint>
#include <string_view>
#include <vector>

namespace ArtGen {

// A map as the editor stores it: a fixed 256 x 128 grid of tile numbers of which the top-left
// width x height cells are in use.
class TileMap
{
public:
    static constexpr int GridWidth = 256;
    static constexpr int GridHeight = 128;

    // Cells outside the used area hold the blank tile, as in a freshly cleared grid.
    TileMap(int width, int height, std::uint8_t fill);

    int width() const { return width_; }
    int height() const { return height_; }
    std::uint8_t at(int col, int row) const { return cells_[row * GridWidth + col]; }

    // Writes into the used area only; anything outside it is a mistake in a scene.
    void set(int col, int row, int tile);
    void fill(int col, int row, int w, int h, int tile);
    // Puts a line of text into the letter tiles, one character per cell.
    void text(int col, int row, std::string_view s);

    // File layout: 0xFE 0x4F, width byte, height byte, then the whole grid row by row.
    QByteArray fileBytes() const;
    // The used area drawn with the tile sheet at one sheet pixel per pixel.
    QImage render(const QImage &sheet) const;

private:
    int width_;
    int height_;
    std::vector<std::uint8_t> cells_;
};

} // namespace ArtGen

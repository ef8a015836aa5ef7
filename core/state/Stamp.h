// SPDX-License-Identifier: MIT
#pragma once

#include <QPoint>
#include <QSize>

#include <cstdint>
#include <vector>

// A block of tile numbers, width x height, row by row: what painting puts
// down (a single tile is a 1 x 1 stamp), what Copy takes from the map and
// what Paste places. Cells are given as QPoint(column, row) and rectangles
// of cells as QRect in cell units throughout (core/state/CellRect.h).
class Stamp
{
public:
    // The largest stamp is the whole grid.
    static constexpr int MaxWidth = 256;
    static constexpr int MaxHeight = 128;

    // An empty stamp (0 x 0), which places nothing.
    Stamp() = default;
    // tiles holds width x height numbers, row by row. Sizes beyond the grid
    // or a tile count that does not match give an empty stamp.
    Stamp(int width, int height, std::vector<std::uint8_t> tiles);

    static Stamp single(std::uint8_t tile);

    int width() const { return m_width; }
    int height() const { return m_height; }
    QSize size() const { return QSize(m_width, m_height); }
    bool isEmpty() const { return m_tiles.empty(); }
    bool isSingle() const { return m_width == 1 && m_height == 1; }

    // The tile at (column, row) of the stamp; both inside it.
    std::uint8_t at(int column, int row) const
    {
        return m_tiles[std::size_t(row) * m_width + column];
    }

    // The tile the stamp, repeated in both directions with its top-left
    // tile at anchor, puts on cell (column, row). Any cell, any anchor.
    std::uint8_t repeatedAt(QPoint cell, QPoint anchor) const;

    const std::vector<std::uint8_t> &tiles() const { return m_tiles; }

    friend bool operator==(const Stamp &, const Stamp &) = default;

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<std::uint8_t> m_tiles;
};

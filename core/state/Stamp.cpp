// SPDX-License-Identifier: MIT
#include "core/state/Stamp.h"

namespace {

// The remainder that stays in 0 .. divisor - 1 for negative numbers too.
int wrapped(int value, int divisor)
{
    const int rest = value % divisor;
    return rest < 0 ? rest + divisor : rest;
}

} // namespace

Stamp::Stamp(int width, int height, std::vector<std::uint8_t> tiles)
{
    if (width < 1 || height < 1 || width > MaxWidth || height > MaxHeight ||
        tiles.size() != std::size_t(width) * std::size_t(height))
        return;
    m_width = width;
    m_height = height;
    m_tiles = std::move(tiles);
}

Stamp Stamp::single(std::uint8_t tile)
{
    return Stamp(1, 1, {tile});
}

std::uint8_t Stamp::repeatedAt(QPoint cell, QPoint anchor) const
{
    return at(wrapped(cell.x() - anchor.x(), m_width), wrapped(cell.y() - anchor.y(), m_height));
}

// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <vector>

// A block of width x height tile numbers, row by row: the cells of a map or
// of a piece of one, as text formats and the clipboard carry them. Nothing
// else of a map file (header bytes, cells outside the map) is part of it.
struct CellGrid
{
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> cells;

    std::uint8_t at(int column, int row) const { return cells[row * width + column]; }

    friend bool operator==(const CellGrid &, const CellGrid &) = default;
};

// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <vector>

// The map's own cells as the data formats carry them: width x height tile
// numbers, row by row. Nothing else of a map file (header bytes, cells
// outside the map) is part of it.
struct MapCells
{
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> cells;

    std::uint8_t at(int column, int row) const { return cells[row * width + column]; }
};

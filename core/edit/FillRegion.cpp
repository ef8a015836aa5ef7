// SPDX-License-Identifier: MIT
#include "core/edit/FillRegion.h"

#include <algorithm>

namespace FillRegion {

std::vector<int> cells(const PackedState::Grid &grid, const QRect &area, QPoint start)
{
    std::vector<int> region;
    if (!area.contains(start))
        return region;
    const auto index = [](int column, int row) { return row * Tiles::GridColumns + column; };
    const std::uint8_t tile = grid[index(start.x(), start.y())];
    std::vector<std::uint8_t> reached(Tiles::GridCells, 0);
    const auto joins = [&](int column, int row) {
        const int at = index(column, row);
        return reached[at] == 0 && grid[at] == tile;
    };

    // Scanline fill: each cell taken from the work list grows into the whole
    // run of its row, and the runs above and below are queued once per run,
    // so the list, not the call stack, holds what is left.
    std::vector<QPoint> work{start};
    while (!work.empty()) {
        const QPoint seed = work.back();
        work.pop_back();
        if (!joins(seed.x(), seed.y()))
            continue;
        int left = seed.x();
        int right = seed.x();
        while (left > area.left() && joins(left - 1, seed.y()))
            --left;
        while (right < area.right() && joins(right + 1, seed.y()))
            ++right;
        std::fill_n(reached.begin() + index(left, seed.y()), right - left + 1, std::uint8_t(1));
        for (const int row : {seed.y() - 1, seed.y() + 1}) {
            if (row < area.top() || row > area.bottom())
                continue;
            bool inRun = false;
            for (int column = left; column <= right; ++column) {
                const bool open = joins(column, row);
                if (open && !inRun)
                    work.emplace_back(column, row);
                inRun = open;
            }
        }
    }
    // Read off row by row, which gives ascending order.
    for (int row = area.top(); row <= area.bottom(); ++row)
        for (int column = area.left(); column <= area.right(); ++column)
            if (reached[index(column, row)] != 0)
                region.push_back(index(column, row));
    return region;
}

} // namespace FillRegion

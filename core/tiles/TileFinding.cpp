// SPDX-License-Identifier: MIT
#include "core/tiles/TileFinding.h"

#include "core/state/EditorState.h"
#include "core/state/Scrolling.h"
#include "core/tiles/TileBudget.h"

#include <algorithm>
#include <iterator>

namespace TileFinding {

std::vector<QPoint> cellsHolding(const EditorState &state, int tile)
{
    std::vector<QPoint> cells;
    const QRect map = TileBudget::mapCells(state);
    for (int row = 0; row < map.height(); ++row)
        for (int column = 0; column < map.width(); ++column)
            if (state.cell(column, row) == tile)
                cells.emplace_back(column, row);
    return cells;
}

std::vector<QPoint> cellsStillHolding(const EditorState &state, int tile,
                                      const std::vector<QPoint> &cells)
{
    const QRect map = TileBudget::mapCells(state);
    std::vector<QPoint> kept;
    std::copy_if(cells.begin(), cells.end(), std::back_inserter(kept), [&](QPoint cell) {
        return map.contains(cell) && state.cell(cell.x(), cell.y()) == tile;
    });
    return kept;
}

QPoint scrollValuesShowing(QPoint cell)
{
    const QPoint pixel = Tiles::cellOrigin(cell.x(), cell.y());
    // The largest value whose view still starts at or before the cell.
    return {std::min(Scrolling::HorizontalMax, pixel.x() / Scrolling::HorizontalStep),
            std::min(Scrolling::VerticalMax, pixel.y() / Scrolling::VerticalStep)};
}

} // namespace TileFinding

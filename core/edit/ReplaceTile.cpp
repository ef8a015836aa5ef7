// SPDX-License-Identifier: MIT
#include "core/edit/ReplaceTile.h"

#include "core/edit/CellsStep.h"
#include "core/history/EditHistory.h"
#include "core/state/CellRect.h"
#include "core/state/EditorState.h"

namespace ReplaceTile {

bool replaceAll(EditorState &state, std::uint8_t from, std::uint8_t to, const QRect &selection)
{
    return replaceAll(state, from, Stamp::single(to), QPoint(0, 0), selection);
}

bool replaceAll(EditorState &state, std::uint8_t from, const Stamp &with, QPoint anchor,
                const QRect &selection)
{
    if (with.isEmpty())
        return false;
    const QRect area = CellRect::editArea(state, selection);
    std::vector<CellsStep::Placement> placements;
    for (int row = area.top(); row <= area.bottom(); ++row)
        for (int column = area.left(); column <= area.right(); ++column)
            if (state.cell(column, row) == from)
                placements.push_back({row * Tiles::GridColumns + column,
                                      with.repeatedAt(QPoint(column, row), anchor)});
    return CellsStep::perform(state, StepNames::ReplaceTile, placements);
}

} // namespace ReplaceTile

// SPDX-License-Identifier: MIT
#include "core/edit/CellEdits.h"

#include "core/edit/CellsStep.h"
#include "core/edit/FillRegion.h"
#include "core/history/EditHistory.h"
#include "core/state/CellRect.h"
#include "core/state/EditorState.h"

namespace CellEdits {

namespace {

using Placements = std::vector<CellsStep::Placement>;

int indexOf(int column, int row)
{
    return row * Tiles::GridColumns + column;
}

// The stamp repeated over the cells of area, its top-left tile on anchor.
Placements repeatedOver(const QRect &area, const Stamp &stamp, QPoint anchor)
{
    Placements placements;
    if (stamp.isEmpty() || area.isEmpty())
        return placements;
    placements.reserve(std::size_t(area.width()) * std::size_t(area.height()));
    for (int row = area.top(); row <= area.bottom(); ++row)
        for (int column = area.left(); column <= area.right(); ++column)
            placements.push_back(
                {indexOf(column, row), stamp.repeatedAt(QPoint(column, row), anchor)});
    return placements;
}

} // namespace

bool bucketFill(EditorState &state, QPoint cell, const Stamp &stamp, const QRect &selection)
{
    if (stamp.isEmpty())
        return false;
    const QRect area = CellRect::editArea(state, selection);
    Placements placements;
    for (const int index : FillRegion::cells(state.tileMap, area, cell)) {
        const QPoint at(index % Tiles::GridColumns, index / Tiles::GridColumns);
        placements.push_back({index, stamp.repeatedAt(at, cell)});
    }
    return CellsStep::perform(state, StepNames::BucketFill, placements);
}

bool fillRectangle(EditorState &state, const QRect &cells, const Stamp &stamp)
{
    const QRect area = CellRect::insideMap(state, cells.normalized());
    return CellsStep::perform(state, StepNames::RectangleFill,
                              repeatedOver(area, stamp, cells.normalized().topLeft()));
}

bool pasteStamp(EditorState &state, QPoint topLeft, const Stamp &stamp)
{
    const QRect area = CellRect::insideMap(state, QRect(topLeft, stamp.size()));
    return CellsStep::perform(state, StepNames::Paste, repeatedOver(area, stamp, topLeft));
}

bool deleteCells(EditorState &state, const QRect &cells)
{
    const QRect area = CellRect::insideMap(state, cells.normalized());
    return CellsStep::perform(state, StepNames::Delete,
                              repeatedOver(area, Stamp::single(0), area.topLeft()));
}

Stamp copyCells(const EditorState &state, const QRect &cells)
{
    const QRect area = CellRect::insideMap(state, cells.normalized());
    if (area.isEmpty())
        return Stamp();
    std::vector<std::uint8_t> tiles;
    tiles.reserve(std::size_t(area.width()) * std::size_t(area.height()));
    for (int row = area.top(); row <= area.bottom(); ++row)
        for (int column = area.left(); column <= area.right(); ++column)
            tiles.push_back(state.cell(column, row));
    return Stamp(area.width(), area.height(), std::move(tiles));
}

Stamp cutCells(EditorState &state, const QRect &cells)
{
    Stamp copy = copyCells(state, cells);
    const QRect area = CellRect::insideMap(state, cells.normalized());
    CellsStep::perform(state, StepNames::Cut, repeatedOver(area, Stamp::single(0), area.topLeft()));
    return copy;
}

} // namespace CellEdits

// SPDX-License-Identifier: MIT
#include "core/edit/PaintStroke.h"

#include "core/history/EditHistory.h"
#include "core/state/EditorState.h"
#include "core/state/MapRoutines.h"

namespace {

// Merging steps with the same id makes one stroke of many ticks.
constexpr int PaintStrokeId = 1;

void draw(EditorState &state, int index)
{
    blitTile(state, state.tileMap[index], index % Tiles::GridColumns, index / Tiles::GridColumns);
}

} // namespace

bool PaintStroke::paint(EditorState &state, const std::vector<Placement> &placements)
{
    std::vector<Cell> cells = CellsStep::setCells(state, placements);
    if (cells.empty())
        return false;
    // The grid already holds the new tiles; the step's first redo draws them.
    if (state.history.recording())
        state.history.push(new PaintStroke(state, std::move(cells)));
    else
        for (const Cell &cell : cells)
            draw(state, cell.index);
    return true;
}

PaintStroke::PaintStroke(EditorState &state, std::vector<Cell> cells)
    : m_state(&state), m_first(cells.front())
{
    setText(StepNames::Paint);
    if (cells.size() > 1)
        m_more = std::make_unique<std::vector<Cell>>(cells.begin() + 1, cells.end());
}

template <typename Visit> void PaintStroke::forEachCell(Visit visit) const
{
    visit(m_first);
    if (m_more)
        for (const Cell &cell : *m_more)
            visit(cell);
}

int PaintStroke::id() const
{
    return PaintStrokeId;
}

bool PaintStroke::mergeWith(const QUndoCommand *other)
{
    const auto *tick = static_cast<const PaintStroke *>(other);
    if (!m_state->history.strokeTakes(this))
        return false;
    if (!m_more)
        m_more = std::make_unique<std::vector<Cell>>();
    tick->forEachCell([this](const Cell &cell) { m_more->push_back(cell); });
    return true;
}

void PaintStroke::undo()
{
    EditorState &state = *m_state;
    // Backwards, so a cell painted twice gets its first tile back.
    if (m_more)
        for (auto cell = m_more->rbegin(); cell != m_more->rend(); ++cell)
            state.tileMap[cell->index] = cell->before;
    state.tileMap[m_first.index] = m_first.before;
    forEachCell([&state](const Cell &cell) { draw(state, cell.index); });
}

void PaintStroke::redo()
{
    EditorState &state = *m_state;
    forEachCell([&state](const Cell &cell) {
        state.tileMap[cell.index] = cell.after;
        draw(state, cell.index);
    });
}

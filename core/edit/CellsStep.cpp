// SPDX-License-Identifier: MIT
#include "core/edit/CellsStep.h"

#include "core/history/EditHistory.h"
#include "core/history/PackedState.h"
#include "core/state/EditorState.h"
#include "core/state/MapRoutines.h"

#include <cstring>

namespace {

// Kept raw up to this many changes: compressing a handful of cells would
// cost more than it saves.
constexpr std::size_t RawChanges = 64;

// From this many changed cells on, the step keeps the whole grid before and
// after, packed, which is smaller and quicker than a list of the cells, and
// one redraw of the canvas from the grid (drawn band by band as views need
// it) costs less than a blit a cell.
constexpr std::size_t WholeGridCells = Tiles::GridCells / 8;

void drawCells(EditorState &state, const std::vector<CellsStep::Change> &changes)
{
    for (const CellsStep::Change &change : changes)
        blitTile(state, state.tileMap[change.index], change.index % Tiles::GridColumns,
                 change.index / Tiles::GridColumns);
}

} // namespace

std::vector<CellsStep::Change> CellsStep::setCells(EditorState &state,
                                                   const std::vector<Placement> &placements)
{
    std::vector<Change> changes;
    for (const Placement &placement : placements) {
        std::uint8_t &cell = state.tileMap[placement.index];
        if (cell == placement.tile)
            continue;
        changes.push_back({static_cast<std::uint16_t>(placement.index), cell, placement.tile});
        cell = placement.tile;
    }
    return changes;
}

bool CellsStep::perform(EditorState &state, const QString &name,
                        const std::vector<Placement> &placements)
{
    const std::vector<Change> changes = setCells(state, placements);
    if (changes.empty())
        return false;
    // The grid already holds the new tiles; the step's first redo draws them.
    if (!state.history.recording()) {
        if (changes.size() >= WholeGridCells)
            redrawMap(state);
        else
            drawCells(state, changes);
        return true;
    }
    state.history.push(new CellsStep(state, name, changes));
    return true;
}

CellsStep::CellsStep(EditorState &state, const QString &name, const std::vector<Change> &changes)
    : m_state(&state)
{
    setText(name);
    if (changes.size() >= WholeGridCells) {
        m_after = PackedState::packGrid(state.tileMap);
        PackedState::Grid before = state.tileMap;
        for (auto change = changes.rbegin(); change != changes.rend(); ++change)
            before[change->index] = change->before;
        m_before = PackedState::packGrid(before);
        return;
    }
    const auto bytes = qsizetype(changes.size() * sizeof(Change));
    m_compressed = changes.size() > RawChanges;
    m_changes = m_compressed ? PackedState::compress(changes.data(), bytes)
                             : QByteArray(reinterpret_cast<const char *>(changes.data()), bytes);
}

std::vector<CellsStep::Change> CellsStep::changes() const
{
    const QByteArray bytes = m_compressed ? qUncompress(m_changes) : m_changes;
    std::vector<Change> changes(std::size_t(bytes.size()) / sizeof(Change));
    std::memcpy(changes.data(), bytes.constData(), changes.size() * sizeof(Change));
    return changes;
}

void CellsStep::undo()
{
    EditorState &state = *m_state;
    if (!m_before.isNull()) {
        PackedState::unpackGrid(m_before, state.tileMap);
        redrawMap(state);
        return;
    }
    const std::vector<Change> changes = this->changes();
    // Backwards, so a cell set twice gets its first tile back.
    for (auto change = changes.rbegin(); change != changes.rend(); ++change)
        state.tileMap[change->index] = change->before;
    drawCells(state, changes);
}

void CellsStep::redo()
{
    EditorState &state = *m_state;
    // The first redo finds the grid already changed by perform().
    const bool done = !m_redone;
    m_redone = true;
    if (!m_after.isNull()) {
        if (!done)
            PackedState::unpackGrid(m_after, state.tileMap);
        redrawMap(state);
        return;
    }
    const std::vector<Change> changes = this->changes();
    for (const Change &change : changes)
        state.tileMap[change.index] = change.after;
    drawCells(state, changes);
}

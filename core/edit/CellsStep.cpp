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

// From this many changed cells on, one redraw of the canvas from the grid
// (drawn band by band as views need it) costs less than a blit a cell.
constexpr std::size_t RedrawCells = Tiles::GridCells / 8;

template <typename Change, typename TileOf>
void drawChanged(EditorState &state, const std::vector<Change> &changes, TileOf tileOf)
{
    if (changes.size() >= RedrawCells) {
        redrawMap(state);
        return;
    }
    for (const Change &change : changes)
        blitTile(state, tileOf(change), change.index % Tiles::GridColumns,
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
        drawChanged(state, changes, [](const Change &change) { return change.after; });
        return true;
    }
    state.history.push(new CellsStep(state, name, changes));
    return true;
}

CellsStep::CellsStep(EditorState &state, const QString &name, const std::vector<Change> &changes)
    : m_state(&state)
{
    setText(name);
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
    const std::vector<Change> changes = this->changes();
    // Backwards, so a cell set twice gets its first tile back.
    for (auto change = changes.rbegin(); change != changes.rend(); ++change)
        state.tileMap[change->index] = change->before;
    drawChanged(state, changes,
                [&state](const Change &change) { return state.tileMap[change.index]; });
}

void CellsStep::redo()
{
    EditorState &state = *m_state;
    const std::vector<Change> changes = this->changes();
    for (const Change &change : changes)
        state.tileMap[change.index] = change.after;
    drawChanged(state, changes,
                [&state](const Change &change) { return state.tileMap[change.index]; });
}

// SPDX-License-Identifier: MIT
#pragma once

#include "core/edit/CellsStep.h"

#include <QUndoCommand>

#include <cstdint>
#include <memory>
#include <vector>

class EditorState;

// One stroke of painting as a step of the undo history: the cells it
// changed, each with its tile before and after, in the order they changed.
// The canvas follows from the cells and the sheet in use. The ticks of a
// stroke merge into one step.
class PaintStroke : public QUndoCommand
{
public:
    using Placement = CellsStep::Placement;

    // Sets the cells in order and draws them, as one tick does, recorded as
    // a step of the open stroke. Returns false, recording nothing, when
    // every cell already holds its tile.
    static bool paint(EditorState &state, const std::vector<Placement> &placements);

    int id() const override;
    bool mergeWith(const QUndoCommand *other) override;
    void undo() override;
    void redo() override;

private:
    using Cell = CellsStep::Change;

    PaintStroke(EditorState &state, std::vector<Cell> cells);
    template <typename Visit> void forEachCell(Visit visit) const;

    EditorState *m_state;
    // Most steps are one cell, so they stay a few dozen bytes.
    Cell m_first;
    std::unique_ptr<std::vector<Cell>> m_more;
};

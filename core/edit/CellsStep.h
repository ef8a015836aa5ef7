// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>
#include <QUndoCommand>

#include <cstdint>
#include <vector>

class EditorState;

// A step that sets some cells of the grid to new tiles (Bucket Fill,
// Replace Tile, Rectangle Fill, Paste, Cut, Delete). It keeps only the cells
// it changed, each with its tile before and after, compressed when there
// are many; a step that changes a large part of the map keeps the grid
// before and after, packed, so a fill of the whole grid costs a few hundred
// bytes. The canvas follows from the cells and the sheet in use.
class CellsStep : public QUndoCommand
{
public:
    // One cell to set: its index in the grid (row * 256 + column) and tile.
    struct Placement
    {
        int index = 0;
        std::uint8_t tile = 0;
    };

    // A cell that changed, with its tile before and after.
    struct Change
    {
        std::uint16_t index = 0;
        std::uint8_t before = 0;
        std::uint8_t after = 0;
    };

    // Sets the cells in order (a later placement of a cell wins) and records
    // the step under name. Returns false, recording nothing, when no cell
    // changes.
    static bool perform(EditorState &state, const QString &name,
                        const std::vector<Placement> &placements);

    // Sets the cells of the grid in order, without drawing or recording,
    // and returns the placements that changed a cell, as changes.
    static std::vector<Change> setCells(EditorState &state,
                                        const std::vector<Placement> &placements);

    void undo() override;
    void redo() override;

private:
    CellsStep(EditorState &state, const QString &name, const std::vector<Change> &changes);
    std::vector<Change> changes() const;

    EditorState *m_state;
    // The changes in the order they were made: raw when few, else compressed.
    QByteArray m_changes;
    bool m_compressed = false;
    // The packed grids of a step of many cells, in place of the changes.
    QByteArray m_before;
    QByteArray m_after;
    bool m_redone = false;
};

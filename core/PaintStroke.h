// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QList>
#include <QUndoCommand>
#include <QVarLengthArray>

#include <cstdint>
#include <memory>

class EditorState;

// One stroke of painting as a step of the undo history: the cells whose tile
// or picture it changed, each with its tile before and after. Pictures are
// kept only where the canvas does not show the sheet's tile: the brush when
// it still holds a tile of an earlier sheet, and a cell's earlier block when
// it showed such a picture. The ticks of a stroke merge into one step.
class PaintStroke : public QUndoCommand
{
public:
    // Paints the brush into the cell at the paint position as one tick does,
    // recorded as a step of the open stroke. Returns false, recording
    // nothing, when the cell already shows the brush and holds the tile.
    static bool paint(EditorState &state, int column, int row);

    int id() const override;
    bool mergeWith(const QUndoCommand *other) override;
    void undo() override;
    void redo() override;

private:
    struct Cell
    {
        std::uint16_t index = 0;
        std::uint8_t before = 0;
        std::uint8_t after = 0;
    };
    struct Pictures
    {
        QImage brush; // null when the brush is the sheet's tile
        QList<std::pair<std::uint16_t, QImage>> before;
    };

    PaintStroke(EditorState &state, Cell cell, const QImage &brush, const QImage &before);
    const QImage *brush() const;

    EditorState *m_state;
    QVarLengthArray<Cell, 2> m_cells;
    std::unique_ptr<Pictures> m_pictures;
};

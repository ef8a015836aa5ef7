// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QList>
#include <QUndoCommand>

#include <cstdint>
#include <memory>
#include <vector>

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
    // What a one-cell step without pictures does not need; most steps are
    // one cell, so they stay a few dozen bytes.
    struct More
    {
        std::vector<Cell> cells; // after the first
        QImage brush;            // null when the brush is the sheet's tile
        std::vector<std::pair<std::uint16_t, QImage>> before;
    };

    PaintStroke(EditorState &state, Cell cell, const QImage &brush, const QImage &before);
    const QImage *brush() const;
    More &more();
    template <typename Visit> void forEachCell(Visit visit) const;

    EditorState *m_state;
    Cell m_first;
    std::unique_ptr<More> m_more;
};

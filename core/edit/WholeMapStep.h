// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>
#include <QUndoCommand>

#include <cstdint>
#include <functional>

class EditorState;

// A step that changes the whole map at once (Fill Map, Clear Map, New Map,
// Resize Map, Load Map, Load Tiles). It keeps what it replaces: the four
// file bytes, the sizes, the canvas size, status panels 1 and 2, and, where the step changes them, the grid (packed)
// and the tile sheet with the picker's caption. Undo puts these back with one
// redraw, as the canvas is what the cells and the sheet draw; redo runs the command again with the same arguments, which on the
// same state gives the same result.
class WholeMapStep : public QUndoCommand
{
public:
    using Apply = std::function<void(EditorState &)>;

    struct Replaces
    {
        bool grid = false;
        bool sheet = false;
        // The command takes the view to the map's top-left corner.
        bool homesView = false;
    };

    // Records the step and performs it through apply.
    static void perform(EditorState &state, const QString &name, Replaces replaces, Apply apply);

    void undo() override;
    void redo() override;

private:
    WholeMapStep(EditorState &state, const QString &name, Replaces replaces, Apply apply);

    EditorState *m_state;
    Replaces m_replaces;
    Apply m_apply;

    std::uint8_t m_headerByte1 = 0;
    std::uint8_t m_headerByte2 = 0;
    std::uint8_t m_mapWidthByte = 0;
    std::uint8_t m_mapHeightByte = 0;
    std::int16_t m_mapWidth = 0;
    std::int16_t m_mapHeight = 0;
    QSize m_canvasSize;
    QString m_mapPanel;
    QString m_sizePanel;
    QByteArray m_grid;
    QByteArray m_sheet;
    QString m_pickerCaption;
};

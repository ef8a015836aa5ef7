// SPDX-License-Identifier: MIT
#pragma once

#include "ui/main/tools/Selection.h"

#include <QObject>

#include <memory>
#include <vector>

class BrushTool;
class EditorState;
class MapCanvas;
class QActionGroup;
class QMenu;
class Tool;

// The canvas's tools, the one in use, the selection they share and the Draw
// menu's items that choose the tool. The brush is in use at start.
class ToolBox : public QObject
{
    Q_OBJECT

public:
    ToolBox(EditorState &state, MapCanvas &canvas, QObject *parent = nullptr);
    ~ToolBox() override;

    Tool &active() const { return *m_active; }
    Selection &selection() { return m_selection; }

    // Adds one checkable item per tool, with its plain-letter shortcut.
    void fillMenu(QMenu &menu);

    // Esc: the tool in use drops what it holds (a floating stamp, a drag).
    void dropHeld();

    // Paste: the brush's stamp floats under the pointer, with the brush in use.
    void floatPaste();

    // The tile or stamp to paint with was picked in the tile picker.
    void brushPickedElsewhere();
    // The tile to paint with was taken from the map (Pick Tile, or the paste
    // of one cell): the tile picker follows.
    void announcePick() { Q_EMIT pickedOffThePicker(); }

Q_SIGNALS:
    void pickedOffThePicker();

private:
    struct Entry;
    void use(Entry &entry);

    MapCanvas &m_canvas;
    Selection m_selection;
    std::vector<Entry> m_entries;
    BrushTool *m_brush = nullptr;
    Tool *m_active = nullptr;
};

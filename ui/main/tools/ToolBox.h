// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

#include <memory>
#include <vector>

class EditorState;
class MapCanvas;
class QAction;
class QActionGroup;
class QMenu;
class Tool;

// The canvas's tools, the one in use and the Draw menu's items that choose
// it. The brush is in use at start.
class ToolBox : public QObject
{
    Q_OBJECT

public:
    ToolBox(EditorState &state, MapCanvas &canvas, QObject *parent = nullptr);
    ~ToolBox() override;

    Tool &active() const { return *m_active; }

    // Adds one checkable item per tool, with its plain-letter shortcut.
    void fillMenu(QMenu &menu);

    // Makes the tool of the item with this object name the one in use, as
    // choosing the item does.
    void choose(const QString &itemName);

    // Esc: the tool in use drops what it holds (a floating stamp, a drag).
    void dropHeld();

private:
    void use(Tool *tool);

    MapCanvas &m_canvas;
    struct Entry;
    std::vector<Entry> m_entries;
    QActionGroup *m_group = nullptr;
    Tool *m_active = nullptr;
};

// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

class EditorState;
class MessageBox;
class QMenu;
class QWidget;
class ToolBox;

// The Edit menu's selection and clipboard items: Cut, Copy, Paste, Delete,
// Select All and Select None, and Esc, which drops a selection or a floating
// paste. Each change to the map is one edit function of core/edit.
class EditActions : public QObject
{
    Q_OBJECT

public:
    EditActions(EditorState &state, ToolBox &tools, MessageBox &messages, QObject *parent);

    // Adds the items below what the menu holds, and Esc to the window.
    void fillMenu(QMenu &menu, QWidget &window);

    void cut();
    void copy();
    void paste();
    void deleteCells();
    void selectAll();
    void selectNone();
    void drop();

private:
    EditorState &m_state;
    ToolBox &m_tools;
    MessageBox &m_messages;
};

// SPDX-License-Identifier: MIT
#pragma once

// The drawing tools of the map canvas.
//
// The main window knows no tool's rules. It turns the canvas's pointer
// events into cells (the cell the status bar's "Cursor Loc" names, at every
// zoom) and hands them to the active tool: press, move (with or without a
// button held), release, and, while a button is held, tick at every beat of
// the painting timer. After each tick it puts what the canvas drew on
// screen. The tool decides what the gesture means, draws its own overlay
// over the map (outlines, a floating stamp) and changes the map only by
// calling an edit function of core/edit, which records one undo step.
//
// To add a tool:
//   1. Write the rule as a plain function in core/edit with a table test:
//      which cells change and to what, without widgets.
//   2. Derive a class from Tool here, in a file of its own: keep in it only
//      what the gesture needs (where a drag started, what the overlay shows),
//      call the rule on release (or on a tick for continuous tools) and ask
//      the canvas to repaint the overlay's cells when they change.
//   3. Add it to the table in ToolBox.cpp with its Draw menu caption and
//      plain-letter shortcut; the menu, the checked item and the routing
//      come from there.

#include "core/edit/Painting.h"

#include <Qt>

class EditorState;
class MapCanvas;
class QPainter;
class Selection;

// What every tool works on: the editor's state, the canvas it draws its
// overlay on, and the selection the Edit menu and the fills share.
struct ToolContext
{
    EditorState &state;
    MapCanvas &canvas;
    Selection &selection;
};

// A pointer event on the canvas, in grid cells.
struct ToolEvent
{
    // Under the pointer, clamped to the grid (not the map).
    Painting::Cell cell;
    // The button that went down or up; none for a move.
    Qt::MouseButton button = Qt::NoButton;
    Qt::MouseButtons buttons;
    Qt::KeyboardModifiers modifiers;
};

class Tool
{
public:
    explicit Tool(const ToolContext &context)
        : m_state(context.state), m_canvas(context.canvas), m_selection(context.selection)
    {
    }
    virtual ~Tool() = default;
    Tool(const Tool &) = delete;
    Tool &operator=(const Tool &) = delete;

    virtual void press(const ToolEvent &) {}
    virtual void move(const ToolEvent &) {}
    virtual void release(const ToolEvent &) {}
    virtual void tick() {}
    // The gesture ends without its release: an undo while the button is
    // held, or another window took the release with it.
    virtual void interrupt() {}
    // Another tool takes over, or Esc drops what the tool holds.
    virtual void deactivate() {}
    // Draws over the map; the painter is in the canvas's view pixels.
    virtual void paintOverlay(QPainter &, const MapCanvas &) const {}

protected:
    EditorState &m_state;
    MapCanvas &m_canvas;
    Selection &m_selection;
};

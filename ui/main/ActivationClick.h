// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

class QWidget;

// A press on the map that only brings the main window back to the front is
// not a stroke: the user clicked to return to the window (from the tile
// picker, say), not to paint. The press, the moves while that button is held
// and its release are kept from the canvas; every later press reaches it.
//
// A press counts as such a click when the window was active before, lost
// that to another window, and the press comes while it is still inactive or
// with the activation that the click itself caused, which reaches the window
// just before it in the same round of events. An activation by other means
// (the keyboard, a click on the title bar) is settled once the events of that
// round are handled, or by a move of the pointer over the map of the active
// window, so a press after it paints.
class ActivationClick : public QObject
{
    Q_OBJECT

public:
    // Watches canvas, whose window is the main window.
    explicit ActivationClick(QWidget &canvas);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget &m_canvas;
    bool m_activating = false;
    bool m_swallowing = false;
};

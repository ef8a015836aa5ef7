// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QPoint>
#include <QPointF>

class MapCanvas;
class QAction;
class QActionGroup;
class QLabel;
class QMenu;
class QMenuBar;
class QScrollBar;
class QTimer;

// The View menu and the wheel over the canvas: zoom by level, kept at the
// view's top-left corner (menu and keys) or under the pointer (Ctrl+wheel),
// the grid, and scrolling by the wheel. The scroll bars keep moving the
// same map distance per step; their ranges grow with the zoom.
class ViewMenu : public QObject
{
    Q_OBJECT

public:
    // How long the zoom level stays shown over the canvas after a change.
    static constexpr int LabelMilliseconds = 1200;

    ViewMenu(MapCanvas &canvas, QScrollBar &horizontal, QScrollBar &vertical, QObject *parent);

    void fillMenuBar(QMenuBar &bar);

    void zoomTo(int percent);

Q_SIGNALS:
    void zoomChanged(int percent);

private:
    void zoomKeeping(int percent, QPointF canvasPosition, QPointF viewPosition);
    void onWheel(QPoint angleDelta, Qt::KeyboardModifiers modifiers, QPointF canvasPosition);
    void showLevel(int percent);

    MapCanvas &m_canvas;
    QScrollBar &m_horizontal;
    QScrollBar &m_vertical;
    QActionGroup *m_levels = nullptr;
    QLabel *m_label = nullptr;
    QTimer *m_labelTimer = nullptr;
    // Wheel turns smaller than a notch, kept until they add up to one.
    QPoint m_wheelRest;
};

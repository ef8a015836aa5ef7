// SPDX-License-Identifier: MIT
#pragma once

#include <QPointF>
#include <QWidget>

class Surface;

// A widget that shows a Surface's retained image at its own top-left corner,
// takes the surface's size, and repaints only what the surface reports as
// changed. Pointer events are passed on in the surface's pixels; while a
// button that went down here is held, moves and the release keep coming here
// with positions that may lie outside.
class SurfaceView : public QWidget
{
    Q_OBJECT

public:
    explicit SurfaceView(Surface &surface, QWidget *parent = nullptr);

    // Puts on screen what changed since the last refresh.
    void refresh();

Q_SIGNALS:
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPointF position);
    void mouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, QPointF position);
    void mouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPointF position);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    Surface *m_surface;
};

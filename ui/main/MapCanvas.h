// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QWidget>

#include <functional>

class Surface;

// The map canvas on screen: the canvas surface's retained image drawn at the
// view's zoom (each map pixel a whole number of screen pixels, nearest
// neighbour), the optional cell grid over it, and the active tool's overlay
// over both. Only what the surface reports as changed is repainted. The
// widget takes the zoomed size of the surface; pointer events are passed on
// in the surface's own pixels, so the rest of the editor never sees the zoom.
// While a button that went down here is held, moves and the release keep
// coming here with positions that may lie outside.
class MapCanvas : public QWidget
{
    Q_OBJECT

public:
    // Shows on dark and on light tiles alike.
    static inline const QColor GridColour{255, 0, 255};

    explicit MapCanvas(Surface &surface, QWidget *parent = nullptr);

    int zoom() const { return m_percent; }
    // Takes the zoomed size at once; the caller moves the widget.
    void setZoom(int percent);

    bool gridShown() const { return m_gridShown; }
    void setGridShown(bool shown);

    // Draws over the map and the grid, in view pixels (the tools' outlines
    // and floating stamps).
    void setOverlay(std::function<void(QPainter &)> overlay);

    // The view rectangle that a rectangle of grid cells covers at the zoom.
    QRect viewRect(const QRect &cells) const;
    // Repaints over these cells (for an overlay that changed there).
    void updateCells(const QRect &cells);

    // Puts on screen what changed since the last refresh.
    void refresh();

Q_SIGNALS:
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPointF mapPosition);
    void mouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers,
                   QPointF mapPosition);
    void mouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPointF mapPosition);
    // A wheel turn over the canvas, with the position in view pixels.
    void wheelTurned(QPoint angleDelta, Qt::KeyboardModifiers modifiers, QPointF viewPosition);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    QPointF mapPosition(QPointF viewPosition) const;
    QRect viewRectOfPixels(const QRect &mapPixels) const;
    bool paintDirectly(QPainter &painter, const QRegion &region) const;
    void paintThroughPainter(QPainter &painter, const QRect &exposed) const;
    QRect sourceOf(const QRect &exposed) const;
    void paintGrid(QPainter &painter, const QRect &exposed) const;
    void takeSurfaceSize();

    // The smallest zoom, at which the view keeps a reduced copy of the map
    // (a sixteenth of the canvas's memory) while it is in use.
    static constexpr int ReducedCopyPercent = 25;

    Surface *m_surface;
    int m_percent = 100;
    // Painting goes on reading it, so it is kept beside the widget's state.
    mutable QImage m_reduced;
    bool m_gridShown = false;
    std::function<void(QPainter &)> m_overlay;
};

// SPDX-License-Identifier: MIT
#include "ui/main/MapCanvas.h"

#include "core/render/Surface.h"
#include "core/render/TileGeometry.h"
#include "core/render/ZoomedDrawing.h"
#include "core/state/ViewZoom.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPaintEngine>
#include <QWheelEvent>

namespace {

int floorDiv(int value, int by)
{
    return value >= 0 ? value / by : -((-value + by - 1) / by);
}

} // namespace

MapCanvas::MapCanvas(Surface &surface, QWidget *parent) : QWidget(parent), m_surface(&surface)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    takeSurfaceSize();
    surface.takeDirty();
    connect(&surface, &Surface::resized, this, [this] { takeSurfaceSize(); });
    // Queued, so a whole command's drawing reaches the screen as one repaint
    // once the command has finished.
    connect(&surface, &Surface::dirtied, this, &MapCanvas::refresh, Qt::QueuedConnection);
}

void MapCanvas::takeSurfaceSize()
{
    m_reduced = QImage();
    setFixedSize(ViewZoom::toView(m_surface->width(), m_percent),
                 ViewZoom::toView(m_surface->height(), m_percent));
}

void MapCanvas::setZoom(int percent)
{
    if (percent == m_percent)
        return;
    m_percent = percent;
    takeSurfaceSize();
    update();
}

void MapCanvas::setGridShown(bool shown)
{
    if (shown == m_gridShown)
        return;
    m_gridShown = shown;
    update();
}

void MapCanvas::setOverlay(std::function<void(QPainter &)> overlay)
{
    m_overlay = std::move(overlay);
    update();
}

QRect MapCanvas::viewRectOfPixels(const QRect &mapPixels) const
{
    const int left = floorDiv(mapPixels.left() * m_percent, 100);
    const int top = floorDiv(mapPixels.top() * m_percent, 100);
    const int right = -floorDiv(-(mapPixels.left() + mapPixels.width()) * m_percent, 100);
    const int bottom = -floorDiv(-(mapPixels.top() + mapPixels.height()) * m_percent, 100);
    return QRect(left, top, right - left, bottom - top);
}

QRect MapCanvas::viewRect(const QRect &cells) const
{
    const int cell = ViewZoom::toView(Tiles::TileSize, m_percent);
    return QRect(cells.left() * cell, cells.top() * cell, cells.width() * cell,
                 cells.height() * cell);
}

void MapCanvas::updateCells(const QRect &cells)
{
    // One pixel more around, for outlines drawn on the cells' border.
    update(viewRect(cells).adjusted(-1, -1, 1, 1));
}

QPointF MapCanvas::mapPosition(QPointF viewPosition) const
{
    return ViewZoom::toMap(viewPosition, m_percent);
}

void MapCanvas::refresh()
{
    const QRegion dirty = m_surface->takeDirty();
    if (dirty.isEmpty())
        return;
    if (m_percent == ViewZoom::ActualSize) {
        update(dirty);
        return;
    }
    QRegion view;
    for (const QRect &rect : dirty) {
        const QRect changed = viewRectOfPixels(rect);
        if (!m_reduced.isNull())
            ZoomedDrawing::draw(m_surface->imageIn(rect), m_percent, changed, m_reduced,
                                changed.topLeft());
        view += changed;
    }
    update(view);
}

void MapCanvas::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    if (!paintDirectly(painter, event->region()))
        paintThroughPainter(painter, event->rect());
    if (m_overlay)
        m_overlay(painter);
}

bool MapCanvas::paintDirectly(QPainter &painter, const QRegion &region) const
{
    // The window's picture in memory, where the exposed pixels are written
    // at once, zoomed and with the grid: one pass at every zoom.
    QPaintEngine *engine = painter.paintEngine();
    QPaintDevice *device = engine ? engine->paintDevice() : nullptr;
    if (!device || device->devType() != QInternal::Image || !ZoomedDrawing::handles(m_percent))
        return false;
    auto *window = static_cast<QImage *>(device);
    if (window->depth() != 32 || window->devicePixelRatio() != 1.0)
        return false;
    const QTransform toWindow = painter.deviceTransform();
    if (toWindow.type() > QTransform::TxTranslate)
        return false;
    const QPoint offset(qRound(toWindow.dx()), qRound(toWindow.dy()));
    const int gridCell = m_gridShown ? ViewZoom::toView(Tiles::TileSize, m_percent) : 0;
    if (m_percent == ReducedCopyPercent) {
        // Reducing reads every fourth pixel of four times the rows: a reduced
        // copy of the map, kept up to date, makes it one copy per repaint.
        if (m_reduced.isNull()) {
            m_reduced = QImage(size(), QImage::Format_RGB32);
            ZoomedDrawing::draw(m_surface->image(), m_percent, rect(), m_reduced, QPoint(0, 0));
        }
        for (const QRect &exposed : region)
            ZoomedDrawing::draw(m_reduced, ViewZoom::ActualSize, exposed, *window,
                                exposed.topLeft() + offset, gridCell, GridColour.rgb());
        return true;
    }
    for (const QRect &exposed : region) {
        const QRect source = sourceOf(exposed);
        if (!source.isEmpty())
            ZoomedDrawing::draw(m_surface->imageIn(source), m_percent, exposed, *window,
                                exposed.topLeft() + offset, gridCell, GridColour.rgb());
    }
    return true;
}

void MapCanvas::paintThroughPainter(QPainter &painter, const QRect &exposed) const
{
    const QRect source = sourceOf(exposed);
    if (!source.isEmpty())
        painter.drawImage(viewRectOfPixels(source), m_surface->imageIn(source), source);
    if (m_gridShown)
        paintGrid(painter, exposed);
}

QRect MapCanvas::sourceOf(const QRect &exposed) const
{
    // Whole tiles of the picture around the exposed part, so every tile
    // lands on whole view pixels.
    const int cell = ViewZoom::toView(Tiles::TileSize, m_percent);
    const QRect cells(QPoint(floorDiv(exposed.left(), cell), floorDiv(exposed.top(), cell)),
                      QPoint(floorDiv(exposed.right(), cell), floorDiv(exposed.bottom(), cell)));
    return QRect(cells.topLeft() * Tiles::TileSize, cells.size() * Tiles::TileSize)
        .intersected(QRect(QPoint(0, 0), m_surface->size()));
}

void MapCanvas::paintGrid(QPainter &painter, const QRect &exposed) const
{
    // A line on the first pixel column and row of every cell, so each border
    // between two cells is one pixel wide.
    const int cell = ViewZoom::toView(Tiles::TileSize, m_percent);
    for (int x = floorDiv(exposed.left() + cell - 1, cell) * cell; x <= exposed.right(); x += cell)
        painter.fillRect(x, exposed.top(), 1, exposed.height(), GridColour);
    for (int y = floorDiv(exposed.top() + cell - 1, cell) * cell; y <= exposed.bottom(); y += cell)
        painter.fillRect(exposed.left(), y, exposed.width(), 1, GridColour);
}

void MapCanvas::mousePressEvent(QMouseEvent *event)
{
    Q_EMIT mouseDown(event->button(), event->modifiers(), mapPosition(event->position()));
}

void MapCanvas::mouseMoveEvent(QMouseEvent *event)
{
    Q_EMIT mouseMove(event->buttons(), event->modifiers(), mapPosition(event->position()));
}

void MapCanvas::mouseReleaseEvent(QMouseEvent *event)
{
    Q_EMIT mouseUp(event->button(), event->modifiers(), mapPosition(event->position()));
}

void MapCanvas::wheelEvent(QWheelEvent *event)
{
    Q_EMIT wheelTurned(event->angleDelta(), event->modifiers(), event->position());
    event->accept();
}

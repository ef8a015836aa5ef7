// SPDX-License-Identifier: MIT
#include "host/SurfaceView.h"

#include "core/render/Surface.h"

#include <QMouseEvent>
#include <QPainter>

SurfaceView::SurfaceView(Surface &surface, QWidget *parent) : QWidget(parent), m_surface(&surface)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFixedSize(surface.size());
    surface.takeDirty();
    connect(&surface, &Surface::resized, this, [this](QSize size) { setFixedSize(size); });
    // Queued, so a whole command's drawing reaches the screen as one repaint
    // once the command has finished.
    connect(&surface, &Surface::dirtied, this, &SurfaceView::refresh, Qt::QueuedConnection);
}

void SurfaceView::refresh()
{
    const QRegion dirty = m_surface->takeDirty();
    if (!dirty.isEmpty())
        update(dirty);
}

void SurfaceView::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const QRect exposed = event->rect();
    painter.drawImage(exposed.topLeft(), m_surface->imageIn(exposed), exposed);
}

void SurfaceView::mousePressEvent(QMouseEvent *event)
{
    Q_EMIT mouseDown(event->button(), event->modifiers(), event->position());
}

void SurfaceView::mouseMoveEvent(QMouseEvent *event)
{
    Q_EMIT mouseMove(event->buttons(), event->modifiers(), event->position());
}

void SurfaceView::mouseReleaseEvent(QMouseEvent *event)
{
    Q_EMIT mouseUp(event->button(), event->modifiers(), event->position());
}

// SPDX-License-Identifier: MIT
#include "ui/main/tools/RectangleDrag.h"

#include "core/state/CellRect.h"
#include "ui/main/MapCanvas.h"
#include "ui/main/tools/Outline.h"

void RectangleDrag::press(const ToolEvent &event)
{
    if (event.button != Qt::LeftButton || m_dragging)
        return;
    m_dragging = true;
    m_anchor = event.cell;
    track(dragRect(event.cell));
}

void RectangleDrag::move(const ToolEvent &event)
{
    if (m_dragging && (event.buttons & Qt::LeftButton))
        track(dragRect(event.cell));
}

void RectangleDrag::release(const ToolEvent &event)
{
    if (!m_dragging || event.button != Qt::LeftButton)
        return;
    const QRect cells = dragRect(event.cell);
    stop();
    finished(cells);
}

void RectangleDrag::interrupt()
{
    stop();
}

void RectangleDrag::deactivate()
{
    stop();
}

QRect RectangleDrag::dragRect(Painting::Cell to) const
{
    return CellRect::between(QPoint(m_anchor.column, m_anchor.row), QPoint(to.column, to.row));
}

void RectangleDrag::track(const QRect &cells)
{
    if (outlinesDrag()) {
        m_canvas.updateCells(m_cells);
        m_canvas.updateCells(cells);
    }
    m_cells = cells;
    dragged(cells);
}

void RectangleDrag::stop()
{
    if (m_dragging && outlinesDrag())
        m_canvas.updateCells(m_cells);
    m_dragging = false;
    m_cells = QRect();
}

void RectangleDrag::paintOverlay(QPainter &painter, const MapCanvas &canvas) const
{
    if (m_dragging && outlinesDrag())
        Outline::area(painter, canvas.viewRect(m_cells));
}

// SPDX-License-Identifier: MIT
#include "ui/tiles/CellMarks.h"

#include "core/state/EditorState.h"
#include "core/tiles/TileFinding.h"
#include "ui/main/MapCanvas.h"
#include "ui/tiles/TileBudgetConstants.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>

CellMarks::CellMarks(EditorState &state, MapCanvas &canvas)
    : QWidget(&canvas), m_state(state), m_canvas(canvas)
{
    setObjectName(QStringLiteral("cellMarks"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    hide();
    // The canvas takes another size at every zoom.
    canvas.installEventFilter(this);
    connect(&state.mapCanvas, &Surface::drawn, this, &CellMarks::onCanvasDrawn);
    connect(&state.tileSheet, &Surface::drawn, this, &CellMarks::clear);
}

void CellMarks::show(int tile, const std::vector<QPoint> &cells)
{
    m_tile = tile;
    m_cells = cells;
    setGeometry(parentWidget()->rect());
    raise();
    setVisible(!m_cells.empty());
    update();
}

bool CellMarks::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_canvas && event->type() == QEvent::Resize)
        setGeometry(m_canvas.rect());
    return QWidget::eventFilter(watched, event);
}

void CellMarks::onCanvasDrawn(const QRect &rect)
{
    if (m_cells.empty())
        return;
    // The whole canvas is drawn when the map is replaced, resized or redrawn
    // from another sheet: the cells found belong to another map.
    if (rect.contains(QRect(QPoint(0, 0), m_state.mapCanvas.size()))) {
        clear();
        return;
    }
    // The grid takes its new tiles around the drawing; the marks are
    // checked once the edit is done.
    if (!m_checkScheduled) {
        m_checkScheduled = true;
        QMetaObject::invokeMethod(this, &CellMarks::dropStaleMarks, Qt::QueuedConnection);
    }
}

void CellMarks::dropStaleMarks()
{
    m_checkScheduled = false;
    const std::vector<QPoint> kept = TileFinding::cellsStillHolding(m_state, m_tile, m_cells);
    if (kept.size() != m_cells.size())
        show(m_tile, kept);
}

void CellMarks::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.setPen(QPen(TileUsageLayout::FoundMark, 2));
    painter.setBrush(Qt::NoBrush);
    for (const QPoint &cell : m_cells) {
        const QRect box = m_canvas.viewRect(QRect(cell, QSize(1, 1)));
        if (event->rect().intersects(box))
            painter.drawRect(box.adjusted(1, 1, -1, -1));
    }
}

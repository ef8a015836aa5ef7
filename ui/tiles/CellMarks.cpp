// SPDX-License-Identifier: MIT
#include "ui/tiles/CellMarks.h"

#include "core/render/TileGeometry.h"
#include "ui/tiles/TileBudgetConstants.h"

#include <QPaintEvent>
#include <QPainter>

CellMarks::CellMarks(QWidget *canvas) : QWidget(canvas)
{
    setObjectName(QStringLiteral("cellMarks"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    hide();
}

void CellMarks::show(const std::vector<QPoint> &cells)
{
    m_cells = cells;
    setGeometry(parentWidget()->rect());
    raise();
    setVisible(!m_cells.empty());
    update();
}

void CellMarks::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.setPen(QPen(TileUsageLayout::FoundMark, 2));
    painter.setBrush(Qt::NoBrush);
    for (const QPoint &cell : m_cells) {
        const QRect box(Tiles::cellOrigin(cell.x(), cell.y()),
                        QSize(Tiles::TileSize, Tiles::TileSize));
        if (event->rect().intersects(box))
            painter.drawRect(box.adjusted(1, 1, -1, -1));
    }
}

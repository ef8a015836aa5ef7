// SPDX-License-Identifier: MIT
#include "ui/main/tools/Selection.h"

#include "ui/main/MapCanvas.h"
#include "ui/main/tools/Outline.h"

#include <QPainter>

void Selection::set(const QRect &cells)
{
    if (cells == m_cells)
        return;
    if (!m_cells.isNull())
        m_canvas.updateCells(m_cells);
    m_cells = cells;
    if (!m_cells.isNull())
        m_canvas.updateCells(m_cells);
}

void Selection::paint(QPainter &painter) const
{
    if (!m_cells.isNull())
        Outline::area(painter, m_canvas.viewRect(m_cells));
}

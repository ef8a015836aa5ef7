// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>

class MapCanvas;
class QPainter;

// The selected rectangle of map cells, or none (a null rectangle): made by
// the Select tool and Select All, used by Cut, Copy and Delete, and kept
// for the bucket fill. Shown tinted and framed at every zoom.
class Selection
{
public:
    explicit Selection(MapCanvas &canvas) : m_canvas(canvas) {}

    QRect cells() const { return m_cells; }
    bool isEmpty() const { return m_cells.isNull(); }
    void set(const QRect &cells);
    void clear() { set(QRect()); }

    void paint(QPainter &painter) const;

private:
    MapCanvas &m_canvas;
    QRect m_cells;
};

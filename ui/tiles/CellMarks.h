// SPDX-License-Identifier: MIT
#pragma once

#include <QPoint>
#include <QWidget>

#include <vector>

// Marks drawn over the map canvas around some of its cells (the cells Find
// showed); it lets every mouse event through to the canvas.
class CellMarks : public QWidget
{
public:
    explicit CellMarks(QWidget *canvas);

    void show(const std::vector<QPoint> &cells);
    const std::vector<QPoint> &cells() const { return m_cells; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::vector<QPoint> m_cells;
};

// SPDX-License-Identifier: MIT
#include "core/edit/StrokeLine.h"

#include <algorithm>
#include <cstdlib>

namespace StrokeLine {

std::vector<QPoint> cells(QPoint from, QPoint to)
{
    const int dx = std::abs(to.x() - from.x());
    const int dy = -std::abs(to.y() - from.y());
    const int stepX = from.x() < to.x() ? 1 : -1;
    const int stepY = from.y() < to.y() ? 1 : -1;
    std::vector<QPoint> line;
    line.reserve(std::size_t(std::max(dx, -dy)) + 1);
    QPoint cell = from;
    int error = dx + dy;
    for (;;) {
        line.push_back(cell);
        if (cell == to)
            return line;
        const int doubled = 2 * error;
        if (doubled >= dy) {
            error += dy;
            cell.rx() += stepX;
        }
        if (doubled <= dx) {
            error += dx;
            cell.ry() += stepY;
        }
    }
}

} // namespace StrokeLine

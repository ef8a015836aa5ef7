// SPDX-License-Identifier: MIT
#include "core/render/ZoomedDrawing.h"

#include "core/render/TileGeometry.h"

#include <algorithm>
#include <cstring>

namespace ZoomedDrawing {

namespace {

// One row at 100 % with a grid line on the first pixel of every cell of
// Cell pixels. Each whole cell is a copy of a fixed length, which the
// compiler turns into a few wide moves, and then its line pixel: much
// cheaper than copying the row and then storing into every cell of it again.
template <int Cell>
void copyRowWithLines(QRgb *out, const QRgb *in, int left, int right, QRgb lineColour)
{
    const int firstLine = (left + Cell - 1) / Cell * Cell;
    const int head = std::min(firstLine, right + 1) - left;
    std::memcpy(out, in + left, std::size_t(head) * sizeof(QRgb));
    out += head;
    int x = left + head;
    for (; x + Cell - 1 <= right; x += Cell, out += Cell) {
        std::memcpy(out, in + x, Cell * sizeof(QRgb));
        out[0] = lineColour;
    }
    if (x <= right) {
        out[0] = lineColour;
        std::memcpy(out + 1, in + x + 1, std::size_t(right - x) * sizeof(QRgb));
    }
}

} // namespace

bool handles(int percent)
{
    return percent > 0 && (percent % 100 == 0 || 100 % percent == 0);
}

void draw(const QImage &source, int percent, const QRect &view, QImage &target, QPoint at,
          int gridCell, QRgb gridColour)
{
    if (!handles(percent))
        return;
    const int enlarge = percent >= 100 ? percent / 100 : 1;
    const int reduce = percent < 100 ? 100 / percent : 1;
    const QRect zoomed(0, 0, source.width() * enlarge / reduce, source.height() * enlarge / reduce);
    // What of the view is both in the zoomed picture and, once placed, in
    // the target.
    const QRect placed = QRect(at, view.size()).intersected(target.rect());
    const QRect area = view.intersected(zoomed).intersected(placed.translated(view.topLeft() - at));
    if (area.isEmpty())
        return;
    const QPoint shift = at - view.topLeft();

    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto *out = reinterpret_cast<QRgb *>(target.scanLine(y + shift.y())) + area.left() +
                    shift.x();
        const bool gridRow = gridCell > 0 && y % gridCell == 0;
        // Within one source row, a row already written is copied.
        if (!gridRow && enlarge > 1 && y > area.top() && y % enlarge != 0 &&
            !(gridCell > 0 && (y - 1) % gridCell == 0)) {
            const auto *above = reinterpret_cast<const QRgb *>(target.scanLine(y - 1 + shift.y())) +
                                area.left() + shift.x();
            std::memcpy(out, above, std::size_t(area.width()) * sizeof(QRgb));
            continue;
        }
        if (gridRow) {
            std::fill(out, out + area.width(), gridColour);
            continue;
        }
        const auto *in = reinterpret_cast<const QRgb *>(source.constScanLine(y * reduce / enlarge));
        if (enlarge == 1 && reduce == 1) {
            if (gridCell == Tiles::TileSize) {
                copyRowWithLines<Tiles::TileSize>(out, in, area.left(), area.right(), gridColour);
                continue;
            }
            std::memcpy(out, in + area.left(), std::size_t(area.width()) * sizeof(QRgb));
        } else if (reduce > 1) {
            for (int x = area.left(); x <= area.right(); ++x)
                *out++ = in[x * reduce];
        } else {
            // The first source pixel may be cut at the area's left edge, and
            // the last at its right edge.
            int x = area.left();
            const int last = area.right();
            while (x <= last && x % enlarge != 0)
                *out++ = in[x++ / enlarge];
            for (; x + enlarge - 1 <= last; x += enlarge) {
                const QRgb pixel = in[x / enlarge];
                for (int repeat = 0; repeat < enlarge; ++repeat)
                    *out++ = pixel;
            }
            while (x <= last)
                *out++ = in[x++ / enlarge];
        }
        if (gridCell > 0) {
            auto *row = reinterpret_cast<QRgb *>(target.scanLine(y + shift.y())) + shift.x();
            const int first = (area.left() + gridCell - 1) / gridCell * gridCell;
            for (int x = first; x <= area.right(); x += gridCell)
                row[x] = gridColour;
        }
    }
}

} // namespace ZoomedDrawing

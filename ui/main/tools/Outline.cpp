// SPDX-License-Identifier: MIT
#include "ui/main/tools/Outline.h"

#include <QPainter>

namespace Outline {

namespace {

// The one-pixel border of rect, filled rather than stroked, so no pen
// rule or zoom moves it off the rectangle's own pixels.
void ring(QPainter &painter, const QRect &rect, const QColor &colour)
{
    if (rect.isEmpty())
        return;
    painter.fillRect(rect.left(), rect.top(), rect.width(), 1, colour);
    painter.fillRect(rect.left(), rect.bottom(), rect.width(), 1, colour);
    painter.fillRect(rect.left(), rect.top(), 1, rect.height(), colour);
    painter.fillRect(rect.right(), rect.top(), 1, rect.height(), colour);
}

} // namespace

void frame(QPainter &painter, const QRect &rect)
{
    ring(painter, rect, Dark);
    ring(painter, rect.adjusted(1, 1, -1, -1), Bright);
}

void area(QPainter &painter, const QRect &rect)
{
    painter.fillRect(rect.adjusted(2, 2, -2, -2), Tint);
    frame(painter, rect);
}

} // namespace Outline

// SPDX-License-Identifier: MIT
#include "ui/main/tools/Outline.h"

#include <QPainter>
#include <QPen>

namespace Outline {

void dashed(QPainter &painter, const QRect &rect)
{
    painter.save();
    const QRect border = rect.adjusted(0, 0, -1, -1);
    painter.setPen(QPen(Dark, 0));
    painter.drawRect(border);
    QPen light(Light, 0, Qt::CustomDashLine);
    light.setDashPattern({qreal(Dash), qreal(Dash)});
    painter.setPen(light);
    painter.drawRect(border);
    painter.restore();
}

} // namespace Outline

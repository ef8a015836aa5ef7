// SPDX-License-Identifier: MIT
#include "host/Fonts.h"

#include <QStringList>

QFont Fonts::font(const QString &family, qreal points, bool bold)
{
    QFont font;
    // Liberation Sans has Arial's metrics; DejaVu Sans is on every Debian desktop.
    font.setFamilies({family, QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans"),
                      QStringLiteral("Sans Serif")});
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// SPDX-License-Identifier: MIT
#include "host/Fonts.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QStringList>

namespace {

// The windows are laid out with Liberation Sans (Arial's metrics); DejaVu
// Sans, on every Debian desktop, stands in where it is missing.
const QString DesignFamily = QStringLiteral("Liberation Sans");
const QString FallbackFamily = QStringLiteral("DejaVu Sans");

// Text of the kind the captions hold, and its width in Liberation Sans in
// ems (regular, bold): what a stand-in must not exceed at its own size.
const QString Sample = QStringLiteral("Create New Map Width Height Zoom: NOTE: 0123456789 "
                                      "(8-255) Close Cancel Apply Using Default TileSet");
constexpr qreal SampleEms[] = {47.85, 50.05};

bool hasDesignMetrics(const QFont &font, const QString &family)
{
    const QString resolved = QFontInfo(font).family();
    return resolved == family || resolved == DesignFamily;
}

// How much smaller the stand-in is set than the design so that the sample
// is no wider in it.
qreal fallbackScale(bool bold)
{
    QFont probe;
    probe.setFamilies({FallbackFamily, QStringLiteral("Sans Serif")});
    probe.setPixelSize(100);
    probe.setBold(bold);
    const qreal ems = QFontMetricsF(probe).horizontalAdvance(Sample) / 100;
    return qMin(1.0, SampleEms[bold ? 1 : 0] / ems);
}

} // namespace

QFont Fonts::font(const QString &family, qreal points, bool bold)
{
    QFont font;
    font.setFamilies({family, DesignFamily});
    font.setPointSizeF(points);
    font.setBold(bold);
    if (hasDesignMetrics(font, family))
        return font;

    static const qreal scales[] = {fallbackScale(false), fallbackScale(true)};
    font.setFamilies({FallbackFamily, QStringLiteral("Sans Serif")});
    font.setPointSizeF(points * scales[bold ? 1 : 0]);
    return font;
}

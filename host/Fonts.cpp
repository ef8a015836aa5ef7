// SPDX-License-Identifier: MIT
#include "host/Fonts.h"

#include <QFontDatabase>
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

// Whether the font database holds the family itself. Qt answers a request
// for a family it lacks by having fontconfig rank every installed font by
// likeness, which costs more at start than building a window; a family that
// is not there is therefore never asked for.
bool installed(const QString &family)
{
    static const QStringList families = QFontDatabase::families();
    return families.contains(family, Qt::CaseInsensitive);
}

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
    font.setPointSizeF(points);
    font.setBold(bold);
    QStringList families;
    for (const QString &name : {family, DesignFamily})
        if (installed(name))
            families.append(name);
    if (!families.isEmpty()) {
        font.setFamilies(families);
        if (hasDesignMetrics(font, family))
            return font;
    }

    static const qreal scales[] = {fallbackScale(false), fallbackScale(true)};
    font.setFamilies({FallbackFamily, QStringLiteral("Sans Serif")});
    font.setPointSizeF(points * scales[bold ? 1 : 0]);
    return font;
}

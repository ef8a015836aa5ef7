// SPDX-License-Identifier: MIT
#include "core/preview/ZoomText.h"

#include <QLocale>

#include <cmath>

namespace ZoomText {

namespace {

constexpr int SignificantDigits = 7;

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

} // namespace

const std::array<ZoomItem, 7> &zoomItems()
{
    static const std::array<ZoomItem, 7> items{{
        {QStringLiteral("100 %"), 100},
        {QStringLiteral("75 %"), 75},
        {QStringLiteral("50 %"), 50},
        {QStringLiteral("25 %"), 25},
        {QStringLiteral("10 %"), 10},
        {QStringLiteral("Full Page"), 0},
        {QStringLiteral("Full Width"), -1},
    }};
    return items;
}

float leadingNumber(const QString &text)
{
    qsizetype start = 0;
    while (start < text.size() && isBlank(text.at(start)))
        ++start;
    qsizetype end = start;
    if (end < text.size() && (text.at(end) == QLatin1Char('-') || text.at(end) == QLatin1Char('+')))
        ++end;
    qsizetype digits = 0;
    while (end < text.size() && isDigit(text.at(end))) {
        ++end;
        ++digits;
    }
    if (end < text.size() && text.at(end) == QLatin1Char('.')) {
        ++end;
        while (end < text.size() && isDigit(text.at(end))) {
            ++end;
            ++digits;
        }
    }
    if (digits == 0)
        return 0.0f;
    return static_cast<float>(QLocale::c().toDouble(QStringView(text).mid(start, end - start)));
}

bool isAcceptedZoom(float zoom)
{
    return zoom > LowestZoom && zoom <= HighestZoom;
}

QString formatNumber(float value)
{
    if (value == 0.0f)
        return QStringLiteral("0");
    // Round to seven significant digits first, then write the digits out in
    // plain decimal notation, never with an exponent.
    const double rounded =
        QLocale::c().toDouble(QString::number(value, 'e', SignificantDigits - 1));
    const int exponent = static_cast<int>(std::floor(std::log10(std::abs(rounded))));
    const int decimals = std::max(0, SignificantDigits - 1 - exponent);
    QString text = QString::number(rounded, 'f', decimals);
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    return text;
}

QString zoomCaption(float zoom)
{
    for (const ZoomItem &item : zoomItems())
        if (item.value <= 0 && static_cast<float>(item.value) == zoom)
            return item.caption;
    return formatNumber(zoom) + PercentSuffix;
}

Entry enterZoom(const QString &typed, const std::optional<QString> &selectedCaption,
                float zoomLevel)
{
    const float zoom = leadingNumber(typed);
    if (!isAcceptedZoom(zoom))
        return {selectedCaption ? *selectedCaption : zoomCaption(zoomLevel), std::nullopt};
    Entry entry{formatNumber(zoom) + PercentSuffix, std::nullopt};
    if (static_cast<double>(zoom) != static_cast<double>(zoomLevel))
        entry.zoom = zoom;
    return entry;
}

} // namespace ZoomText

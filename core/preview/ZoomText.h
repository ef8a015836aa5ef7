// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <array>
#include <optional>

// The preview's zoom box: its list of zooms, reading a typed zoom and the
// texts the box shows afterwards.
namespace ZoomText {

struct ZoomItem
{
    QString caption;
    int value;
};

// The list in the order it is shown. Values in (0, 200] are percentages; 0
// fits the page to the viewport's height and -1 to its width.
const std::array<ZoomItem, 7> &zoomItems();

// The zoom the preview opens at, the list's first item.
inline constexpr float OpeningZoom = 100.0f;
inline constexpr float LowestZoom = 0.0f; // excluded
inline constexpr float HighestZoom = 200.0f;
inline const QString PercentSuffix = QStringLiteral(" %");

// The number at the start of a text: leading blanks are skipped and the
// longest leading decimal number (sign, digits, a point, digits) is read; a
// text that does not begin with a number reads 0.
float leadingNumber(const QString &text);

// Whether a typed zoom is taken: above 0 and at most 200.
bool isAcceptedZoom(float zoom);

// A number with at most seven significant digits, without trailing zeros or
// a trailing point: 150, 12.5, 0.001.
QString formatNumber(float value);

// The box's text for a zoom: the percentage followed by " %", or the caption
// of a fit mode.
QString zoomCaption(float zoom);

struct Entry
{
    // What the box shows afterwards.
    QString text;
    // The new zoom when it differs from the one in force (a layout pass is due).
    std::optional<float> zoom;
};

// Enter pressed in the zoom box: the typed text is read as a zoom. A rejected
// entry restores the selected item's caption, or with no item selected the
// zoom in force.
Entry enterZoom(const QString &typed, const std::optional<QString> &selectedCaption,
                float zoomLevel);

} // namespace ZoomText

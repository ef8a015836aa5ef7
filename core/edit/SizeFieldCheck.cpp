// SPDX-License-Identifier: MIT
#include "core/edit/SizeFieldCheck.h"

#include <QLocale>

#include <cmath>

namespace SizeFieldCheck {

namespace {

Outcome failure(const QString &message, bool markWidth, bool markHeight)
{
    return Outcome{false, {}, message, markWidth, markHeight};
}

int rounded(double value)
{
    // The default rounding mode takes a half to the even neighbour.
    return static_cast<int>(std::nearbyint(value));
}

} // namespace

std::optional<double> fieldNumber(const QString &text)
{
    // The C locale reads "2.5" as a number whatever the user's locale is; a
    // group separator would let "1,5" pass as 15.
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = c.toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

Outcome checkSizeFields(const QString &widthText, const QString &heightText)
{
    const std::optional<double> width = fieldNumber(widthText);
    if (!width)
        return failure(NumbersOnlyMessage, true, true);
    if (*width < MinWidth || *width > MaxWidth)
        return failure(WidthMessage, true, false);

    const std::optional<double> height = fieldNumber(heightText);
    if (!height)
        return failure(NumbersOnlyMessage, true, true);
    if (*height < MinHeight || *height > MaxHeight)
        return failure(HeightMessage, false, true);

    return Outcome{true, MapSize{rounded(*width), rounded(*height)}, {}, false, false};
}

} // namespace SizeFieldCheck

// SPDX-License-Identifier: MIT
#include "core/CreditsScroll.h"

#include <QRegularExpression>

#include <cmath>

namespace CreditsScroll {

int readOffset(const QString &text)
{
    static const QRegularExpression leadingNumber(QStringLiteral("^\\s*([+-]?\\d+)"));
    const QRegularExpressionMatch match = leadingNumber.match(text);
    if (!match.hasMatch())
        return 0;
    bool ok = false;
    const int offset = match.captured(1).toInt(&ok);
    // Leaves room for the step and the line spacing without overflow.
    constexpr int Limit = 1'000'000'000;
    return ok && std::abs(offset) <= Limit ? offset : 0;
}

Tick step(const QString &offsetText, int areaHeight)
{
    Tick tick;
    const int offset = readOffset(offsetText) + Step;
    for (int slot = 1; slot <= SlotCount; ++slot)
        tick.tops[slot - 1] = areaHeight - offset + LineSpacing * slot;
    tick.wrapped = tick.tops[SlotCount - 1] < WrapAbove;
    tick.offsetText = tick.wrapped ? WrapOffsetText : QString::number(offset);
    return tick;
}

} // namespace CreditsScroll

// SPDX-License-Identifier: MIT
#pragma once

#include "core/render/TileGeometry.h"

#include <QByteArrayView>
#include <QString>

#include <optional>

// The limits every imported map must keep, and reading one decimal number
// the way the text formats write them.
namespace TileNumbers {

inline constexpr int MaxColumns = Tiles::GridColumns;
inline constexpr int MaxRows = Tiles::GridRows;

// A decimal number without sign or blanks that fits in 32 bits; nothing for
// anything else.
inline std::optional<quint32> parse(QByteArrayView digits)
{
    if (digits.isEmpty() || digits.size() > 10)
        return std::nullopt;
    quint64 value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + static_cast<quint64>(c - '0');
    }
    if (value > 0xffffffffu)
        return std::nullopt;
    return static_cast<quint32>(value);
}

inline QString quoted(QByteArrayView text)
{
    return QLatin1Char('"') + QString::fromUtf8(text) + QLatin1Char('"');
}

} // namespace TileNumbers

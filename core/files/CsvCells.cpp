// SPDX-License-Identifier: MIT
#include "core/files/CsvCells.h"

#include "core/files/ValueTexts.h"
#include "core/render/TileGeometry.h"

#include <QList>

#include <optional>

namespace CsvCells {

namespace {

constexpr char LineEnd = '\n';
constexpr int LargestTile = Tiles::TileCount - 1;
// Tiled and other editors write -1 for a cell without a tile.
constexpr QByteArrayView EmptyCell = "-1";
constexpr QByteArrayView ByteOrderMark = "\xEF\xBB\xBF";

QByteArrayView withoutCarriageReturn(QByteArrayView line)
{
    return line.endsWith('\r') ? line.chopped(1) : line;
}

// Blanks around a value; a tab only where it does not separate values.
bool isBlank(char c, char separator)
{
    return c == ' ' || (c == Tab && separator != Tab);
}

char separatorOf(QByteArrayView firstLine)
{
    for (const char candidate : {Comma, Semicolon, Tab})
        if (firstLine.contains(candidate))
            return candidate;
    return Comma;
}

QString separatorName(char separator)
{
    switch (separator) {
    case Semicolon:
        return QStringLiteral("semicolons");
    case Tab:
        return QStringLiteral("tabs");
    default:
        return QStringLiteral("commas");
    }
}

// One value of a line: its text without the blanks around it and the column
// (from 1) where that text starts.
struct Field
{
    QByteArrayView text;
    int column = 0;
};

QList<Field> fields(QByteArrayView line, char separator)
{
    QList<Field> result;
    qsizetype start = 0;
    for (;;) {
        qsizetype end = line.indexOf(separator, start);
        const bool last = end < 0;
        if (last)
            end = line.size();
        qsizetype first = start;
        while (first < end && isBlank(line[first], separator))
            ++first;
        qsizetype stop = end;
        while (stop > first && isBlank(line[stop - 1], separator))
            --stop;
        result.append({line.sliced(first, stop - first), static_cast<int>(first + 1)});
        if (last)
            return result;
        start = end + 1;
    }
}

// A decimal number 0..255 without sign, or -1; nothing for anything else.
std::optional<std::uint8_t> tileNumber(QByteArrayView text)
{
    if (text == EmptyCell)
        return std::uint8_t{0};
    // Four digits are enough to tell a number above 255 without overflow.
    if (text.isEmpty() || text.size() > 4)
        return std::nullopt;
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value > LargestTile)
        return std::nullopt;
    return static_cast<std::uint8_t>(value);
}

QString notATileNumber(QByteArrayView text, char separator)
{
    QString message = QStringLiteral("\"%1\" is not a tile number 0..255 (or -1 for tile 0)")
                          .arg(QString::fromUtf8(text));
    for (const char other : {Comma, Semicolon, Tab})
        if (other != separator && text.contains(other))
            message += QStringLiteral("; the first line separates its values with %1, so "
                                      "every line must")
                           .arg(separatorName(separator));
    return message;
}

Reading failure(int line, int column, const QString &error)
{
    Reading reading;
    reading.error = error;
    reading.line = line;
    reading.column = column;
    return reading;
}

} // namespace

QByteArray write(const CellGrid &grid, char separator)
{
    const ValueTexts numbers = ValueTexts::decimal();
    QByteArray text;
    text.reserve(qsizetype(grid.width) * grid.height * 4);
    for (int row = 0; row < grid.height; ++row) {
        numbers.appendJoined(text, QByteArrayView(grid.cells.data() + row * grid.width, grid.width),
                             QByteArrayView(&separator, 1));
        text += LineEnd;
    }
    return text;
}

Reading read(QByteArrayView text)
{
    if (text.startsWith(ByteOrderMark))
        text = text.sliced(ByteOrderMark.size());
    QList<QByteArrayView> lines;
    for (qsizetype start = 0; start < text.size();) {
        qsizetype end = text.indexOf(LineEnd, start);
        if (end < 0)
            end = text.size();
        lines.append(withoutCarriageReturn(text.sliced(start, end - start)));
        start = end + 1;
        // Stop early on a text far longer than a map, before splitting all
        // of it.
        if (lines.size() > Tiles::GridRows + 1 && !lines.last().trimmed().isEmpty())
            break;
    }
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
        lines.removeLast();
    if (lines.isEmpty())
        return failure(0, 0, QStringLiteral("the text holds no rows of tile numbers"));
    if (lines.size() > Tiles::GridRows)
        return failure(
            Tiles::GridRows + 1, 0,
            QStringLiteral("more than %1 rows; a map has at most %1").arg(Tiles::GridRows));

    const char separator = separatorOf(lines.first());
    Reading reading;
    CellGrid &grid = reading.grid;
    grid.height = static_cast<int>(lines.size());
    for (int row = 0; row < grid.height; ++row) {
        const int lineNumber = row + 1;
        const QList<Field> values = fields(lines[row], separator);
        if (row == 0) {
            if (values.size() > Tiles::GridColumns)
                return failure(lineNumber, 0,
                               QStringLiteral("%1 values; a map has at most %2 columns")
                                   .arg(values.size())
                                   .arg(Tiles::GridColumns));
            grid.width = static_cast<int>(values.size());
            grid.cells.reserve(qsizetype(grid.width) * grid.height);
        } else if (values.size() != grid.width) {
            return failure(lineNumber, 0,
                           QStringLiteral("%1 values where line 1 has %2; every row needs the "
                                          "same number of values")
                               .arg(values.size())
                               .arg(grid.width));
        }
        for (const Field &field : values) {
            if (field.text.isEmpty())
                return failure(lineNumber, field.column,
                               QStringLiteral("a value is missing; expected a tile number "
                                              "0..255"));
            const std::optional<std::uint8_t> tile = tileNumber(field.text);
            if (!tile)
                return failure(lineNumber, field.column, notATileNumber(field.text, separator));
            grid.cells.push_back(*tile);
        }
    }
    return reading;
}

} // namespace CsvCells

// SPDX-License-Identifier: MIT
#include "cli/CsvFormat.h"

#include "cli/TileNumbers.h"

#include <QList>

namespace CsvFormat {

namespace {

constexpr char Separator = ',';
constexpr char LineEnd = '\n';
constexpr int LargestTile = 255;

QByteArrayView withoutCarriageReturn(QByteArrayView line)
{
    return line.endsWith('\r') ? line.chopped(1) : line;
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

// One field of a line: its text without the blanks around it and the column
// (from 1) where that text starts.
struct Field
{
    QByteArrayView text;
    int column = 0;
};

QList<Field> fields(QByteArrayView line)
{
    QList<Field> result;
    qsizetype start = 0;
    for (;;) {
        qsizetype end = line.indexOf(Separator, start);
        const bool last = end < 0;
        if (last)
            end = line.size();
        qsizetype first = start;
        while (first < end && isBlank(line[first]))
            ++first;
        qsizetype stop = end;
        while (stop > first && isBlank(line[stop - 1]))
            --stop;
        result.append({line.sliced(first, stop - first), static_cast<int>(first + 1)});
        if (last)
            return result;
        start = end + 1;
    }
}

bool fail(Problem *problem, int line, int column, const QString &what)
{
    *problem = {line, column, what};
    return false;
}

} // namespace

QByteArray write(const MapCells &map)
{
    QByteArray text;
    text.reserve(map.width * map.height * 4);
    for (int row = 0; row < map.height; ++row) {
        for (int column = 0; column < map.width; ++column) {
            if (column > 0)
                text += Separator;
            text += QByteArray::number(map.at(column, row));
        }
        text += LineEnd;
    }
    return text;
}

bool read(QByteArrayView text, MapCells *map, Problem *problem)
{
    if (text.startsWith("\xEF\xBB\xBF"))
        text = text.sliced(3);
    QList<QByteArrayView> lines;
    for (qsizetype start = 0; start < text.size();) {
        qsizetype end = text.indexOf(LineEnd, start);
        if (end < 0)
            end = text.size();
        lines.append(withoutCarriageReturn(text.sliced(start, end - start)));
        start = end + 1;
    }
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
        lines.removeLast();
    if (lines.isEmpty())
        return fail(problem, 0, 0, QStringLiteral("the file holds no rows of tile numbers"));
    if (lines.size() > TileNumbers::MaxRows)
        return fail(
            problem, TileNumbers::MaxRows + 1, 0,
            QStringLiteral("more than %1 rows; a map has at most %1").arg(TileNumbers::MaxRows));

    MapCells result;
    result.height = static_cast<int>(lines.size());
    for (int row = 0; row < result.height; ++row) {
        const int lineNumber = row + 1;
        const QList<Field> values = fields(lines[row]);
        if (row == 0) {
            if (values.size() > TileNumbers::MaxColumns)
                return fail(problem, lineNumber, 0,
                            QStringLiteral("%1 values; a map has at most %2 columns")
                                .arg(values.size())
                                .arg(TileNumbers::MaxColumns));
            result.width = static_cast<int>(values.size());
            result.cells.reserve(result.width * result.height);
        } else if (values.size() != result.width) {
            return fail(problem, lineNumber, 0,
                        QStringLiteral("%1 values where line 1 has %2; every row needs the same "
                                       "number of values")
                            .arg(values.size())
                            .arg(result.width));
        }
        for (const Field &field : values) {
            if (field.text.isEmpty())
                return fail(problem, lineNumber, field.column,
                            QStringLiteral("a value is missing; expected a tile number 0..255"));
            const std::optional<quint32> tile = TileNumbers::parse(field.text);
            if (!tile || *tile > LargestTile)
                return fail(problem, lineNumber, field.column,
                            QStringLiteral("%1 is not a tile number 0..255")
                                .arg(TileNumbers::quoted(field.text)));
            result.cells.push_back(static_cast<std::uint8_t>(*tile));
        }
    }
    *map = std::move(result);
    return true;
}

} // namespace CsvFormat

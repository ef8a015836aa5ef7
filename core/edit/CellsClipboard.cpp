// SPDX-License-Identifier: MIT
#include "core/edit/CellsClipboard.h"

#include "core/files/CsvCells.h"

#include <QtEndian>

namespace CellsClipboard {

namespace {

constexpr int HeaderSize = 4;

} // namespace

QByteArray encode(const Stamp &stamp)
{
    QByteArray bytes(HeaderSize, '\0');
    qToLittleEndian<quint16>(quint16(stamp.width()), bytes.data());
    qToLittleEndian<quint16>(quint16(stamp.height()), bytes.data() + 2);
    bytes.append(reinterpret_cast<const char *>(stamp.tiles().data()),
                 qsizetype(stamp.tiles().size()));
    return bytes;
}

Stamp decode(QByteArrayView bytes)
{
    if (bytes.size() < HeaderSize)
        return Stamp();
    const int width = qFromLittleEndian<quint16>(bytes.data());
    const int height = qFromLittleEndian<quint16>(bytes.data() + 2);
    if (width < 1 || height < 1 || width > Stamp::MaxWidth || height > Stamp::MaxHeight ||
        bytes.size() != HeaderSize + qsizetype(width) * height)
        return Stamp();
    const auto *tiles = reinterpret_cast<const std::uint8_t *>(bytes.data() + HeaderSize);
    return Stamp(width, height, std::vector<std::uint8_t>(tiles, tiles + width * height));
}

QByteArray csvText(const Stamp &stamp)
{
    return CsvCells::write(CellGrid{stamp.width(), stamp.height(), stamp.tiles()});
}

Reading fromText(QByteArrayView text)
{
    if (text.trimmed().isEmpty())
        return {Stamp(), NotCells.arg(Empty)};
    const CsvCells::Reading reading = CsvCells::read(text);
    if (!reading.succeeded()) {
        const QString where = reading.line > 0
                                  ? LineAndColumn.arg(reading.line).arg(reading.column).arg(
                                        reading.error)
                                  : reading.error;
        return {Stamp(), NotCells.arg(where)};
    }
    const CellGrid &grid = reading.grid;
    return {Stamp(grid.width, grid.height, grid.cells), QString()};
}

} // namespace CellsClipboard

// SPDX-License-Identifier: MIT
#include "cli/CsvFormat.h"

#include "core/files/CsvCells.h"

namespace CsvFormat {

QByteArray write(const MapCells &map)
{
    return CsvCells::write(map);
}

Outcome<MapCells> read(QByteArrayView text)
{
    CsvCells::Reading reading = CsvCells::read(text);
    if (!reading.succeeded())
        return Failure::at(reading.line, reading.column, reading.error);
    return std::move(reading.grid);
}

} // namespace CsvFormat

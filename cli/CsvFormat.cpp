// SPDX-License-Identifier: MIT
#include "cli/CsvFormat.h"

#include "core/files/CsvCells.h"

namespace CsvFormat {

QByteArray write(const MapCells &map)
{
    return CsvCells::write(map);
}

bool read(QByteArrayView text, MapCells *map, Problem *problem)
{
    CsvCells::Reading reading = CsvCells::read(text);
    if (!reading.succeeded()) {
        *problem = {reading.line, reading.column, reading.error};
        return false;
    }
    *map = std::move(reading.grid);
    return true;
}

} // namespace CsvFormat

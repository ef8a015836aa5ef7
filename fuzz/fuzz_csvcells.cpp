// SPDX-License-Identifier: MIT
// Any text read as CSV tile numbers (a file, or what the clipboard holds)
// either gives a grid inside the map's limits, or a refusal with a reason
// and a place no further than the text's own lines; never a crash. A grid
// read is written back as CSV text that reads as the same grid.
#include "core/files/CsvCells.h"
#include "core/render/TileGeometry.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView text(reinterpret_cast<const char *>(data), qsizetype(size));
    const CsvCells::Reading reading = CsvCells::read(text);
    if (!reading.succeeded()) {
        if (reading.error.isEmpty() || reading.line < 0 || reading.column < 0 ||
            reading.line > text.count('\n') + 1)
            std::abort();
        return 0;
    }
    const CellGrid &grid = reading.grid;
    if (grid.width < 1 || grid.width > Tiles::GridColumns || grid.height < 1 ||
        grid.height > Tiles::GridRows ||
        grid.cells.size() != std::size_t(grid.width) * std::size_t(grid.height))
        std::abort();
    for (const char separator : {CsvCells::Comma, CsvCells::Semicolon, CsvCells::Tab}) {
        const CsvCells::Reading back = CsvCells::read(CsvCells::write(grid, separator));
        if (!back.succeeded() || !(back.grid == grid))
            std::abort();
    }
    return 0;
}

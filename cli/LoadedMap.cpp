// SPDX-License-Identifier: MIT
#include "cli/LoadedMap.h"

#include "cli/InputFile.h"
#include "cli/MapFileCheck.h"
#include "core/edit/TileSetFile.h"
#include "mapfile/MapFileFormat.h"
#include "mapfile/MapFileIO.h"
#include "mapfile/MapLoading.h"

#include <QFileInfo>

Outcome<> LoadedMap::load(const QString &path, const QImage &sheet, bool lenient)
{
    QByteArray bytes;
    qint64 size = 0;
    if (path == InputFile::StandardInput) {
        Outcome<QByteArray> read = InputFile::read(path);
        if (!read.succeeded())
            return read.failure();
        bytes = std::move(read.value());
        size = bytes.size();
        bytes.truncate(MapFile::FileSize);
    } else {
        const FileResult read = MapFile::read(path, &bytes);
        if (!read.succeeded())
            return Failure::from(read);
        size = QFileInfo(path).size();
    }
    if (!lenient)
        if (const Outcome<> exact = MapFileCheck::exactSize(size, bytes); !exact.succeeded())
            return exact.failure().in(InputFile::nameOf(path));
    m_state.history.setRecording(false);
    TileSetFile::useBuiltInSheet(m_state, sheet);
    MapFile::applyLoadedMap(m_state, MapFile::decode(bytes));
    m_bytes = std::move(bytes);
    m_fileSize = size;
    return {};
}

int LoadedMap::width() const
{
    return m_state.mapWidth;
}

int LoadedMap::height() const
{
    return m_state.mapHeight;
}

QSize LoadedMap::canvasSize() const
{
    return m_state.mapCanvas.size();
}

MapCells LoadedMap::cells() const
{
    MapCells map;
    map.width = width();
    map.height = height();
    map.cells.reserve(map.width * map.height);
    for (int row = 0; row < map.height; ++row)
        for (int column = 0; column < map.width; ++column)
            map.cells.push_back(m_state.cell(column, row));
    return map;
}

QByteArray LoadedMap::fileFor(const MapCells &cells)
{
    MapFile::Contents contents;
    contents.headerByte1 = StartUp::HeaderByte1;
    contents.headerByte2 = StartUp::HeaderByte2;
    // A map as wide as the grid can only be written with the width byte
    // 255, which stands for the whole grid; its height byte then gives the
    // canvas height, one row more than the byte says, so the canvas shows
    // exactly the rows that were read. (A 255-column map takes the width
    // byte 255 as well, as the editor's New Map gives it.)
    const bool fullWidth = cells.width >= MapFile::FullWidthByte;
    contents.widthByte =
        fullWidth ? MapFile::FullWidthByte : static_cast<std::uint8_t>(cells.width);
    contents.heightByte = static_cast<std::uint8_t>(
        cells.width == Tiles::GridColumns ? cells.height - 1 : cells.height);
    for (int row = 0; row < cells.height; ++row)
        for (int column = 0; column < cells.width; ++column)
            contents.grid[row * Tiles::GridColumns + column] = cells.at(column, row);
    // Put in use as Load Map would, then saved as Save Map would: the bytes
    // come out exactly as set here.
    EditorState state;
    state.history.setRecording(false);
    MapFile::applyLoadedMap(state, contents);
    return MapFile::encode(state);
}

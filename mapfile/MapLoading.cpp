// SPDX-License-Identifier: MIT
#include "mapfile/MapLoading.h"

#include "core/EditorState.h"
#include "core/MapRoutines.h"
#include "core/StatusTexts.h"
#include "mapfile/MapFileFormat.h"
#include "mapfile/MapFileIO.h"

#include <QDir>
#include <QFileInfo>

#include <QSize>

#include <algorithm>
#include <cstdint>

namespace MapFile {

namespace {

const QString LoadFailed = QStringLiteral("The map file %1 could not be loaded: %2.");

// The working map size and the canvas size that a file's width and height
// bytes give.
struct Geometry
{
    std::int16_t width = 0;
    std::int16_t height = 0;
    QSize canvas;
};

Geometry geometry(std::uint8_t widthByte, std::uint8_t heightByte)
{
    using Tiles::TileSize;
    if (widthByte == FullWidthByte)
        return {Tiles::GridColumns, Tiles::GridRows,
                QSize(Tiles::GridColumns * TileSize, heightByte * TileSize + TileSize)};
    const auto width = static_cast<std::int16_t>(std::clamp<int>(widthByte, 1, Tiles::GridColumns));
    const auto height = static_cast<std::int16_t>(std::clamp<int>(heightByte, 1, Tiles::GridRows));
    return {width, height, QSize(width * TileSize, height * TileSize)};
}

} // namespace

void applyLoadedMap(EditorState &state, const Contents &contents)
{
    state.headerByte1 = contents.headerByte1;
    state.headerByte2 = contents.headerByte2;
    state.mapWidthByte = contents.widthByte;
    state.mapHeightByte = contents.heightByte;
    state.tileMap = contents.grid;

    const Geometry sizes = geometry(contents.widthByte, contents.heightByte);
    state.mapWidth = sizes.width;
    state.mapHeight = sizes.height;
    state.mapCanvas.resize(sizes.canvas);
    redrawMap(state);
    state.setStatusText(EditorState::SizePanel,
                        StatusTexts::sizeText(state.mapWidth, state.mapHeight));
}

LoadResult load(EditorState &state, const QString &path)
{
    QByteArray bytes;
    QString reason;
    if (!read(path, &bytes, &reason))
        return {false, LoadFailed.arg(QDir::toNativeSeparators(path), reason)};
    applyLoadedMap(state, decode(bytes));
    state.setStatusText(EditorState::MapPanel, StatusTexts::mapText(QFileInfo(path).fileName()));
    return {true, QString()};
}

} // namespace MapFile

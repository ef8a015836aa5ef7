// SPDX-License-Identifier: MIT
#include "mapfile/MapLoading.h"

#include "core/history/EditHistory.h"
#include "core/state/EditorState.h"
#include "core/state/MapRoutines.h"
#include "core/history/PackedState.h"
#include "core/state/StatusTexts.h"
#include "core/edit/WholeMapStep.h"
#include "mapfile/MapFileFormat.h"
#include "mapfile/MapFileIO.h"

#include <QFileInfo>

#include <QSize>

#include <algorithm>
#include <cstdint>
#include <optional>

namespace MapFile {

namespace {

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

// The bytes' geometry, unless the map had another size in the editor: then
// the canvas is as wide and high as that size's cells.
Geometry geometry(const Contents &contents, std::optional<QSize> size)
{
    const Geometry read = geometry(contents.widthByte, contents.heightByte);
    if (!size || *size == QSize(read.width, read.height))
        return read;
    return {static_cast<std::int16_t>(size->width()), static_cast<std::int16_t>(size->height()),
            *size * Tiles::TileSize};
}

void putInUse(EditorState &state, const Contents &contents, std::optional<QSize> size)
{
    state.headerByte1 = contents.headerByte1;
    state.headerByte2 = contents.headerByte2;
    state.mapWidthByte = contents.widthByte;
    state.mapHeightByte = contents.heightByte;
    state.tileMap = contents.grid;

    const Geometry sizes = geometry(contents, size);
    state.mapWidth = sizes.width;
    state.mapHeight = sizes.height;
    // The redraw covers a canvas no taller than the grid: nothing of the old
    // picture needs keeping. A taller one keeps it below the grid.
    if (sizes.canvas.height() <= Tiles::GridRows * Tiles::TileSize)
        state.mapCanvas.resizeForRedraw(sizes.canvas);
    else
        state.mapCanvas.resize(sizes.canvas);
    redrawMap(state);
    state.setStatusText(EditorState::SizePanel,
                        StatusTexts::sizeText(state.mapWidth, state.mapHeight));
}

// One Load Map step: the contents put in use (at size, when given) and, when
// mapText is given, the map panel naming the file. The step keeps the grid
// packed.
void recordLoad(EditorState &state, const Contents &contents, const QString &mapText,
                std::optional<QSize> size = std::nullopt)
{
    const QByteArray grid = PackedState::packGrid(contents.grid);
    const std::array<std::uint8_t, 4> bytes{contents.headerByte1, contents.headerByte2,
                                            contents.widthByte, contents.heightByte};
    WholeMapStep::perform(state, StepNames::LoadMap, {.grid = true, .homesView = true},
                          [grid, bytes, mapText, size](EditorState &s) {
                              Contents loaded;
                              loaded.headerByte1 = bytes[0];
                              loaded.headerByte2 = bytes[1];
                              loaded.widthByte = bytes[2];
                              loaded.heightByte = bytes[3];
                              PackedState::unpackGrid(grid, loaded.grid);
                              putInUse(s, loaded, size);
                              if (!mapText.isNull())
                                  s.setStatusText(EditorState::MapPanel, mapText);
                          });
}

} // namespace

void applyLoadedMap(EditorState &state, const Contents &contents)
{
    recordLoad(state, contents, QString());
}

void applyRecoveredMap(EditorState &state, const Contents &contents, QSize size)
{
    recordLoad(state, contents, QString(), size);
}

FileResult load(EditorState &state, const QString &path)
{
    QByteArray bytes;
    const FileResult result = read(path, &bytes);
    if (!result.succeeded())
        return result;
    recordLoad(state, decode(bytes), StatusTexts::mapText(QFileInfo(path).fileName()));
    return result;
}

} // namespace MapFile

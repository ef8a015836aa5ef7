// SPDX-License-Identifier: MIT
#include "mapfile/MapLoading.h"

#include "core/EditorState.h"
#include "core/MapRoutines.h"
#include "core/StatusTexts.h"
#include "mapfile/MapFileFormat.h"

#include <QSize>

#include <algorithm>
#include <cstdint>

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

} // namespace

void apply(EditorState &state, const Contents &contents)
{
    state.HeaderByte1 = contents.headerByte1;
    state.HeaderByte2 = contents.headerByte2;
    state.MapWidthByte = contents.widthByte;
    state.MapHeightByte = contents.heightByte;
    state.TileMap = contents.grid;

    const Geometry sizes = geometry(contents.widthByte, contents.heightByte);
    state.MapWidth = sizes.width;
    state.MapHeight = sizes.height;
    state.picMap.resize(sizes.canvas);
    redrawMap(state);
    state.setStatusText(EditorState::SizePanel,
                        StatusTexts::sizeText(state.MapWidth, state.MapHeight));
}

} // namespace MapFile

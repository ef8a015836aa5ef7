// SPDX-License-Identifier: MIT
#include "mapfile/MapLoading.h"

#include "core/EditorState.h"
#include "core/MapRoutines.h"
#include "core/StatusTexts.h"
#include "mapfile/MapFileFormat.h"

#include <algorithm>

namespace MapFile {

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

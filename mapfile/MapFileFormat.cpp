// SPDX-License-Identifier: MIT
#include "mapfile/MapFileFormat.h"

#include "core/state/EditorState.h"

#include <algorithm>

namespace MapFile {

Contents decode(QByteArrayView bytes)
{
    const auto byteAt = [bytes](int offset) -> std::uint8_t {
        return offset < bytes.size() ? static_cast<std::uint8_t>(bytes[offset]) : 0;
    };
    Contents contents;
    contents.headerByte1 = byteAt(HeaderByte1Offset);
    contents.headerByte2 = byteAt(HeaderByte2Offset);
    contents.widthByte = byteAt(WidthByteOffset);
    contents.heightByte = byteAt(HeightByteOffset);
    if (bytes.size() > GridOffset) {
        const QByteArrayView cells =
            bytes.sliced(GridOffset)
                .first(std::min<qsizetype>(bytes.size() - GridOffset, Tiles::GridCells));
        std::copy(cells.begin(), cells.end(), contents.grid.begin());
    }
    return contents;
}

QByteArray encode(const EditorState &state)
{
    QByteArray bytes(FileSize, Qt::Uninitialized);
    bytes[HeaderByte1Offset] = static_cast<char>(state.headerByte1);
    bytes[HeaderByte2Offset] = static_cast<char>(state.headerByte2);
    bytes[WidthByteOffset] = static_cast<char>(state.mapWidthByte);
    bytes[HeightByteOffset] = static_cast<char>(state.mapHeightByte);
    std::copy(state.tileMap.begin(), state.tileMap.end(), bytes.begin() + GridOffset);
    return bytes;
}

} // namespace MapFile

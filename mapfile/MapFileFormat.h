// SPDX-License-Identifier: MIT
#pragma once

#include "core/render/TileGeometry.h"

#include <QByteArray>
#include <QByteArrayView>

#include <array>
#include <cstdint>

class EditorState;

// The map file: two header bytes the editor carries through untouched, the
// width and height bytes, then the whole 256 x 128 grid, row by row with the
// column varying fastest. No padding, no checksum, no version.
namespace MapFile {

inline constexpr int HeaderByte1Offset = 0;
inline constexpr int HeaderByte2Offset = 1;
inline constexpr int WidthByteOffset = 2;
inline constexpr int HeightByteOffset = 3;
inline constexpr int GridOffset = 4;
inline constexpr int FileSize = GridOffset + Tiles::GridCells; // 32,772 bytes

// A width byte of 255 stands for the full 256 x 128 grid.
inline constexpr std::uint8_t FullWidthByte = 255;

// What a map file holds, byte for byte.
struct Contents
{
    std::uint8_t headerByte1 = 0;
    std::uint8_t headerByte2 = 0;
    std::uint8_t widthByte = 0;
    std::uint8_t heightByte = 0;
    std::array<std::uint8_t, Tiles::GridCells> grid{};
};

// Reads the file's bytes. Never fails: a short file reads as if padded with
// zeros (missing cells stay 0, and so do missing leading bytes), and bytes
// beyond the 32,772 of a long file are ignored.
Contents decode(QByteArrayView bytes);

// The file for the state's map: its four leading bytes as they stand and the
// whole grid, always exactly 32,772 bytes.
QByteArray encode(const EditorState &state);

} // namespace MapFile

// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QtEndian>

#include <cstdint>

// Windows bitmap files written byte by byte, in every layout the editor must
// read: 1, 4, 8, 16, 24 and 32 bits a pixel, bottom-up and top-down rows, and
// the run-length encodings of 4- and 8-bit pictures. Qt writes only a few of
// these itself, and tests need to damage the files at known places.
namespace BitmapFiles {

inline constexpr int FileHeaderSize = 14;
inline constexpr int InfoHeaderSize = 40;
inline constexpr int HeadersSize = FileHeaderSize + InfoHeaderSize;
// Where the header keeps the pixel-data offset, the width and the height.
inline constexpr int OffsetField = 10;
inline constexpr int WidthField = 18;
inline constexpr int HeightField = 22;

enum class Compression : std::uint32_t { None = 0, Rle8 = 1, Rle4 = 2 };

struct Layout
{
    int depth = 24;
    Compression compression = Compression::None;
    bool topDown = false;
};

// The palette index of pixel (x, y) in a picture of 1, 4 or 8 bits a pixel:
// runs of three equal pixels, so the run-length encodings have runs to
// encode, and every row differs.
inline int paletteIndex(int x, int y, int depth)
{
    return (x / 3 + y) % (1 << depth);
}

namespace Detail {

inline void put16(QByteArray &bytes, int at, std::uint16_t value)
{
    qToLittleEndian(value, bytes.data() + at);
}

inline void put32(QByteArray &bytes, int at, std::uint32_t value)
{
    qToLittleEndian(value, bytes.data() + at);
}

inline QByteArray plainRow(int width, int y, int depth)
{
    QByteArray row(((width * depth + 31) / 32) * 4, '\0');
    for (int x = 0; x < width; ++x) {
        switch (depth) {
        case 1:
            row[x / 8] = char(row[x / 8] | (paletteIndex(x, y, depth) << (7 - x % 8)));
            break;
        case 4:
            row[x / 2] = char(row[x / 2] | (paletteIndex(x, y, depth) << (x % 2 == 0 ? 4 : 0)));
            break;
        case 8:
            row[x] = char(paletteIndex(x, y, depth));
            break;
        default: {
            // Colours spread over every byte of the pixel.
            const int bytesPerPixel = depth / 8;
            for (int b = 0; b < bytesPerPixel; ++b)
                row[x * bytesPerPixel + b] = char((x * 7 + y * 13 + b * 61) & 0xFF);
        }
        }
    }
    return row;
}

// One row as encoded runs of equal pixels, then the end-of-line mark.
inline QByteArray encodedRow(int width, int y, int depth)
{
    QByteArray row;
    for (int x = 0; x < width;) {
        const int index = paletteIndex(x, y, depth);
        int run = 1;
        while (x + run < width && run < 255 && paletteIndex(x + run, y, depth) == index)
            ++run;
        row.append(char(run));
        row.append(char(depth == 4 ? (index << 4) | index : index));
        x += run;
    }
    row.append('\0');
    row.append('\0');
    return row;
}

} // namespace Detail

// A whole bitmap file of width x height pixels with a grey palette where the
// depth has one.
inline QByteArray bitmap(int width, int height, Layout layout)
{
    const int colours = layout.depth <= 8 ? 1 << layout.depth : 0;
    const int dataOffset = HeadersSize + colours * 4;

    QByteArray pixels;
    for (int i = 0; i < height; ++i) {
        const int y = layout.topDown ? i : height - 1 - i;
        pixels += layout.compression == Compression::None
                      ? Detail::plainRow(width, y, layout.depth)
                      : Detail::encodedRow(width, y, layout.depth);
    }
    if (layout.compression != Compression::None) {
        pixels.append('\0');
        pixels.append('\1'); // end of bitmap
    }

    QByteArray bytes(dataOffset, '\0');
    bytes[0] = 'B';
    bytes[1] = 'M';
    Detail::put32(bytes, 2, std::uint32_t(dataOffset + pixels.size()));
    Detail::put32(bytes, OffsetField, std::uint32_t(dataOffset));
    Detail::put32(bytes, 14, InfoHeaderSize);
    Detail::put32(bytes, WidthField, std::uint32_t(width));
    Detail::put32(bytes, HeightField, std::uint32_t(layout.topDown ? -height : height));
    Detail::put16(bytes, 26, 1);
    Detail::put16(bytes, 28, std::uint16_t(layout.depth));
    Detail::put32(bytes, 30, std::uint32_t(layout.compression));
    Detail::put32(bytes, 34, std::uint32_t(pixels.size()));
    Detail::put32(bytes, 46, std::uint32_t(colours));
    for (int i = 0; i < colours; ++i) {
        const char grey = char(colours == 2 ? i * 255 : i * 255 / (colours - 1));
        const int at = HeadersSize + i * 4;
        bytes[at] = bytes[at + 1] = bytes[at + 2] = grey;
    }
    return bytes + pixels;
}

inline QByteArray withField32(QByteArray bytes, int at, std::uint32_t value)
{
    Detail::put32(bytes, at, value);
    return bytes;
}

} // namespace BitmapFiles

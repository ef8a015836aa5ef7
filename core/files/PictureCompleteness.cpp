// SPDX-License-Identifier: MIT
#include "core/files/PictureCompleteness.h"

#include <QtEndian>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <limits>

namespace PictureCompleteness {

namespace {

constexpr int FileHeaderSize = 14;
// The header kinds Windows and OS/2 bitmaps have, by their size in bytes.
constexpr std::uint32_t CoreHeader = 12;
constexpr std::uint32_t InfoHeader = 40;
constexpr std::uint32_t HeaderKinds[] = {CoreHeader, InfoHeader, 52, 56, 64, 108, 124};

enum Compression : std::uint32_t {
    Uncompressed = 0,
    Rle8 = 1,
    Rle4 = 2,
    BitFields = 3,
    AlphaBitFields = 6,
};

// Escapes of the run-length encodings: a run of length 0 followed by one of these.
enum RunEscape : std::uint8_t { EndOfLine = 0, EndOfBitmap = 1, Delta = 2 };

std::uint16_t u16(QByteArrayView file, qsizetype at)
{
    return qFromLittleEndian<std::uint16_t>(file.data() + at);
}

std::uint32_t u32(QByteArrayView file, qsizetype at)
{
    return qFromLittleEndian<std::uint32_t>(file.data() + at);
}

bool depthAllows(int depth, std::uint32_t compression)
{
    switch (compression) {
    case Uncompressed:
        return depth == 1 || depth == 4 || depth == 8 || depth == 16 || depth == 24 || depth == 32;
    case Rle8:
        return depth == 8;
    case Rle4:
        return depth == 4;
    case BitFields:
    case AlphaBitFields:
        return depth == 16 || depth == 32;
    default:
        return false;
    }
}

// Walks a run-length stream and says whether it sets every pixel. Qt's
// reader leaves the pixels a stream skips (by a delta, an early end of line
// or an early end of bitmap) as memory held them, so such a stream is not a
// whole picture; nor is a run that reaches past the row or a stream that ends
// before its end mark.
bool runsCoverPicture(QByteArrayView stream, QSize size, int depth)
{
    const qint64 width = size.width();
    const qint64 height = size.height();
    qint64 x = 0;
    qint64 y = 0;
    qsizetype at = 0;
    while (y < height) {
        if (at + 2 > stream.size())
            return false;
        const std::uint8_t count = std::uint8_t(stream[at]);
        const std::uint8_t value = std::uint8_t(stream[at + 1]);
        at += 2;
        if (count > 0) {
            x += count;
        } else if (value == EndOfLine) {
            if (x != width)
                return false;
            x = 0;
            ++y;
            continue;
        } else if (value == EndOfBitmap) {
            return x == width && y == height - 1;
        } else if (value == Delta) {
            return false;
        } else {
            // A literal run of value pixels, padded to a whole 16-bit word.
            const qsizetype bytes = depth == 8 ? value : (value + 1) / 2;
            at += bytes + bytes % 2;
            if (at > stream.size())
                return false;
            x += value;
        }
        if (x > width)
            return false;
    }
    return true;
}

} // namespace

bool isBitmap(QByteArrayView file)
{
    return file.size() >= 2 && file[0] == 'B' && file[1] == 'M';
}

std::optional<BitmapHeader> readBitmapHeader(QByteArrayView file)
{
    if (!isBitmap(file) || file.size() < FileHeaderSize + 4)
        return std::nullopt;
    const std::uint32_t headerSize = u32(file, FileHeaderSize);
    if (std::find(std::begin(HeaderKinds), std::end(HeaderKinds), headerSize) ==
            std::end(HeaderKinds) ||
        file.size() < FileHeaderSize + qsizetype(headerSize))
        return std::nullopt;

    BitmapHeader header;
    qint64 width = 0;
    qint64 height = 0;
    int paletteEntrySize = 4;
    std::uint32_t paletteEntries = 0;
    if (headerSize == CoreHeader) {
        width = u16(file, 18);
        height = u16(file, 20);
        header.depth = u16(file, 24);
        paletteEntrySize = 3;
    } else {
        width = qint32(u32(file, 18));
        height = qint32(u32(file, 22));
        header.depth = u16(file, 28);
        header.compression = u32(file, 30);
        paletteEntries = u32(file, 46);
    }
    if (width <= 0 || height == 0 || height == std::numeric_limits<qint32>::min() ||
        width > std::numeric_limits<int>::max())
        return std::nullopt;
    header.topDown = height < 0;
    header.size = QSize(int(width), int(std::abs(height)));
    if (!depthAllows(header.depth, header.compression) ||
        (header.topDown && (header.compression == Rle8 || header.compression == Rle4)))
        return std::nullopt;

    // The colour masks follow a 40-byte header; larger headers hold them.
    qint64 masks = 0;
    if (headerSize == InfoHeader && header.compression == BitFields)
        masks = 12;
    else if (headerSize == InfoHeader && header.compression == AlphaBitFields)
        masks = 16;
    constexpr std::uint32_t MaxPaletteEntries = 256;
    if (header.depth <= 8) {
        if (paletteEntries == 0)
            paletteEntries = 1u << header.depth;
        if (paletteEntries > MaxPaletteEntries)
            return std::nullopt;
    } else {
        paletteEntries = 0;
    }
    const qint64 tablesEnd =
        FileHeaderSize + headerSize + masks + qint64(paletteEntries) * paletteEntrySize;
    // The pixels follow the palette where the offset points into it (or is
    // 0): Qt's reader reads the palette whole, then only ever skips forward.
    header.dataOffset = std::max<qint64>(u32(file, 10), tablesEnd);
    return header;
}

bool bitmapIsComplete(const BitmapHeader &header, QByteArrayView file)
{
    if (header.dataOffset > file.size())
        return false;
    const QByteArrayView pixels = file.sliced(header.dataOffset);
    if (header.compression == Rle8 || header.compression == Rle4)
        return runsCoverPicture(pixels, header.size, header.depth);
    // Every row is padded to a whole number of 32-bit words, the last one too.
    const qint64 rowBytes = (qint64(header.size.width()) * header.depth + 31) / 32 * 4;
    return rowBytes <= pixels.size() / header.size.height();
}

namespace {

thread_local ReaderWarnings *current = nullptr;
// The handler in place before the outermost counter: every message goes on
// to it, from any thread.
std::atomic<QtMessageHandler> passOn = nullptr;

} // namespace

ReaderWarnings::ReaderWarnings() : m_outer(current)
{
    current = this;
    if (m_outer == nullptr)
        passOn = qInstallMessageHandler(&ReaderWarnings::handle);
}

ReaderWarnings::~ReaderWarnings()
{
    current = m_outer;
    if (m_outer == nullptr)
        qInstallMessageHandler(passOn.exchange(nullptr));
}

void ReaderWarnings::handle(QtMsgType type, const QMessageLogContext &context,
                            const QString &message)
{
    if (current != nullptr && type != QtDebugMsg && type != QtInfoMsg)
        ++current->m_count;
    if (const QtMessageHandler next = passOn.load())
        next(type, context, message);
}

} // namespace PictureCompleteness

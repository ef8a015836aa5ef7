// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArrayView>
#include <QSize>
#include <QtGlobal>

#include <cstdint>
#include <optional>

// Whether a picture file holds everything its header promises. Qt's readers
// return a picture for many damaged files and leave what the file lacks as
// whatever memory held before, so a picture is used only when its file is
// whole: for Windows bitmaps the header's promises are checked against the
// bytes before decoding; for other formats every error or warning the reader
// logs counts against the file.
namespace PictureCompleteness {

// What a Windows bitmap header says about the picture behind it.
struct BitmapHeader
{
    QSize size; // the height as a row count, whichever way the rows run
    bool topDown = false;
    int depth = 0;
    std::uint32_t compression = 0;
    // Where the pixels start: at the header's offset, but never before the
    // end of the colour masks and the palette.
    qint64 dataOffset = 0;
};

// Whether the bytes start like a Windows bitmap file.
bool isBitmap(QByteArrayView file);

// The header of a Windows bitmap file, or nothing when the header itself is
// cut short or describes no picture: a width or height of zero, a negative
// width, a depth, compression or header kind that bitmaps do not have.
std::optional<BitmapHeader> readBitmapHeader(QByteArrayView file);

// Whether the file holds the colour masks, the palette and every pixel the
// header promises: all rows, each padded to whole 32-bit words, at the
// pixel-data offset; for run-length encoded pictures a stream that stays
// inside the picture and reaches its end mark before the file ends.
bool bitmapIsComplete(const BitmapHeader &header, QByteArrayView file);

// Counts the warnings and errors logged on this thread while it lives, and
// passes every message on to the handler that was in place. Qt's picture
// readers report a damaged file this way, often while still returning a
// picture. Counters nest; the outermost one installs the handler.
class ReaderWarnings
{
public:
    ReaderWarnings();
    ~ReaderWarnings();
    ReaderWarnings(const ReaderWarnings &) = delete;
    ReaderWarnings &operator=(const ReaderWarnings &) = delete;

    int count() const { return m_count; }

private:
    static void handle(QtMsgType type, const QMessageLogContext &context, const QString &message);

    ReaderWarnings *m_outer = nullptr;
    int m_count = 0;
};

} // namespace PictureCompleteness

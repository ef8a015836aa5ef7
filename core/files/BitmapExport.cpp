// SPDX-License-Identifier: MIT
#include "core/files/BitmapExport.h"

#include "core/files/AtomicFile.h"

#include <QIODevice>
#include <QtEndian>

#include <cstring>

namespace {

constexpr QImage::Format BandFormat = QImage::Format_RGB32;
// Bands may also come in the file's own pixel layout, ready to be copied.
constexpr QImage::Format FilePixelFormat = QImage::Format_BGR888;
constexpr int FileHeaderSize = 14;
constexpr int InfoHeaderSize = 40;
constexpr int BitsPerPixel = 24;
// 96 dots per inch, the resolution the editor's pictures are made for.
constexpr quint32 PixelsPerMeter = 3780;
// Rows are written about 256 KB at a time: a band and its file rows then
// stay in the processor's cache between being made and being written.
constexpr qsizetype BandBytes = 1 << 18;

const QString EmptyPicture = QStringLiteral("The picture is empty.");
const QString OutOfMemory = QStringLiteral("There is not enough memory to make the picture.");

qsizetype rowBytes(int width)
{
    // Each row of 3-byte pixels is padded to a multiple of 4 bytes.
    return (qsizetype(width) * 3 + 3) & ~qsizetype(3);
}

QByteArray headers(QSize size)
{
    const qsizetype imageBytes = rowBytes(size.width()) * size.height();
    QByteArray bytes(FileHeaderSize + InfoHeaderSize, '\0');
    char *at = bytes.data();
    at[0] = 'B';
    at[1] = 'M';
    qToLittleEndian<quint32>(quint32(bytes.size() + imageBytes), at + 2);
    qToLittleEndian<quint32>(quint32(bytes.size()), at + 10);
    at += FileHeaderSize;
    qToLittleEndian<quint32>(InfoHeaderSize, at);
    qToLittleEndian<qint32>(size.width(), at + 4);
    // A positive height: rows are stored bottom-up.
    qToLittleEndian<qint32>(size.height(), at + 8);
    qToLittleEndian<quint16>(1, at + 12);
    qToLittleEndian<quint16>(BitsPerPixel, at + 14);
    qToLittleEndian<quint32>(quint32(imageBytes), at + 20);
    qToLittleEndian<quint32>(PixelsPerMeter, at + 24);
    qToLittleEndian<quint32>(PixelsPerMeter, at + 28);
    return bytes;
}

// One RGB32 row as the file's blue, green, red bytes. Four pixels at a time
// become three 32-bit words, which is several times faster than byte by
// byte on pictures of tens of millions of pixels.
void packRow(const uchar *from, int width, uchar *to)
{
    int x = 0;
    for (; x + 4 <= width; x += 4, from += 16, to += 12) {
        // Pixels read as 0xAARRGGBB; the words written hold B G R B, G R B G
        // and R B G R in file order.
        const quint32 p0 = qFromLittleEndian<quint32>(from);
        const quint32 p1 = qFromLittleEndian<quint32>(from + 4);
        const quint32 p2 = qFromLittleEndian<quint32>(from + 8);
        const quint32 p3 = qFromLittleEndian<quint32>(from + 12);
        qToLittleEndian<quint32>((p0 & 0xffffffu) | (p1 << 24), to);
        qToLittleEndian<quint32>(((p1 >> 8) & 0xffffu) | (p2 << 16), to + 4);
        qToLittleEndian<quint32>(((p2 >> 16) & 0xffu) | (p3 << 8), to + 8);
    }
    for (; x < width; ++x, from += 4, to += 3) {
        to[0] = from[0];
        to[1] = from[1];
        to[2] = from[2];
    }
}

// Writes the bitmap into file, which checks every write: a write that fails
// stops the bands, and the file reports why.
FileResult writeBitmap(QIODevice &file, QSize size, const PictureBand &band,
                       const QString &fileName)
{
    if (size.isEmpty())
        return FileResult::failure(fileName, EmptyPicture);
    const QByteArray head = headers(size);
    if (file.write(head) != head.size())
        return FileResult();
    const qsizetype stride = rowBytes(size.width());
    const int bandRows = int(std::max<qsizetype>(1, BandBytes / std::max<qsizetype>(stride, 1)));
    QByteArray rows(stride * std::min(bandRows, size.height()), '\0');
    // The file holds the bottom row first: bands from the bottom up.
    for (int end = size.height(); end > 0;) {
        const int first = std::max(0, end - bandRows);
        const int count = end - first;
        const QImage part = band(first, count);
        if (part.isNull())
            return FileResult::failure(fileName, OutOfMemory);
        uchar *to = reinterpret_cast<uchar *>(rows.data());
        if (part.format() == FilePixelFormat) {
            // The padding at the end of each row stays zero.
            for (int row = count - 1; row >= 0; --row, to += stride)
                std::memcpy(to, part.constScanLine(row), qsizetype(size.width()) * 3);
        } else {
            const QImage pixels =
                part.format() == BandFormat ? part : part.convertToFormat(BandFormat);
            for (int row = count - 1; row >= 0; --row, to += stride)
                packRow(pixels.constScanLine(row), size.width(), to);
        }
        if (file.write(rows.constData(), stride * count) != stride * count)
            return FileResult();
        end = first;
    }
    return FileResult();
}

QImage inBandFormat(const QImage &picture)
{
    return picture.format() == BandFormat ? picture : picture.convertToFormat(BandFormat);
}

} // namespace

FileResult writeBitmapFile(const QImage &picture, const QString &fileName)
{
    const QImage pixels = inBandFormat(picture);
    return writeBitmapFile(pixels.size(), bandsOf(pixels), fileName);
}

FileResult writeBitmapFile(QSize size, const PictureBand &band, const QString &fileName)
{
    return AtomicFile::write(
        fileName, [&](QIODevice &file) { return writeBitmap(file, size, band, fileName); });
}

AtomicFile::Fill bitmapContent(const QImage &picture, const QString &fileName)
{
    const QImage pixels = inBandFormat(picture);
    return [pixels, fileName](QIODevice &file) {
        return writeBitmap(file, pixels.size(), bandsOf(pixels), fileName);
    };
}

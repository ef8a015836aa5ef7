// SPDX-License-Identifier: MIT
#include "cli/PngFile.h"

#include "core/files/AtomicFile.h"

#include <QIODevice>

#include <spng.h>

#include <memory>
#include <vector>

namespace PngFile {

namespace {

constexpr int CompressionLevel = 2;
constexpr int RowFilter = SPNG_FILTER_CHOICE_UP;
constexpr int BandRows = 64;
constexpr std::uint8_t BitDepth = 8;

int writeToDevice(spng_ctx *, void *user, void *data, size_t length)
{
    auto *device = static_cast<QIODevice *>(user);
    const auto size = static_cast<qsizetype>(length);
    // A write that fails is reported by AtomicFile, which checks every write.
    return device->write(static_cast<const char *>(data), size) == size ? 0 : SPNG_IO_ERROR;
}

QString spngReason(int error)
{
    return QString::fromUtf8(spng_strerror(error));
}

QString encode(QIODevice &device, QSize size, const PictureBand &band)
{
    const std::unique_ptr<spng_ctx, decltype(&spng_ctx_free)> context(
        spng_ctx_new(SPNG_CTX_ENCODER), spng_ctx_free);
    if (!context)
        return QStringLiteral("the PNG encoder could not start");
    spng_ctx *png = context.get();
    spng_ihdr header{};
    header.width = static_cast<std::uint32_t>(size.width());
    header.height = static_cast<std::uint32_t>(size.height());
    header.bit_depth = BitDepth;
    header.color_type = SPNG_COLOR_TYPE_TRUECOLOR;
    int error = spng_set_png_stream(png, writeToDevice, &device);
    if (error == 0)
        error = spng_set_ihdr(png, &header);
    if (error == 0)
        error = spng_set_option(png, SPNG_IMG_COMPRESSION_LEVEL, CompressionLevel);
    if (error == 0)
        error = spng_set_option(png, SPNG_FILTER_CHOICE, RowFilter);
    if (error == 0)
        error = spng_encode_image(png, nullptr, 0, SPNG_FMT_PNG,
                                  SPNG_ENCODE_PROGRESSIVE | SPNG_ENCODE_FINALIZE);

    std::vector<std::uint8_t> row(static_cast<std::size_t>(size.width()) * 3);
    for (int first = 0; error == 0 && first < size.height(); first += BandRows) {
        const int count = std::min(BandRows, size.height() - first);
        QImage part = band(first, count);
        if (part.isNull())
            return QStringLiteral("There is not enough memory to make the picture.");
        if (part.format() != QImage::Format_RGB32)
            part = part.convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < count && error == 0; ++y) {
            const uchar *from = part.constScanLine(y);
            for (std::size_t x = 0; x < row.size(); x += 3, from += 4) {
                row[x] = from[2];
                row[x + 1] = from[1];
                row[x + 2] = from[0];
            }
            error = spng_encode_row(png, row.data(), row.size());
        }
    }
    // The last row ends the image.
    if (error == SPNG_EOI)
        error = 0;
    return error == 0 ? QString() : spngReason(error);
}

FileResult encodeInto(QIODevice &device, QSize size, const PictureBand &band,
                      const QString &fileName)
{
    const QString reason = encode(device, size, band);
    return reason.isEmpty() ? FileResult() : FileResult::failure(fileName, reason);
}

} // namespace

FileResult write(QSize size, const PictureBand &band, const QString &fileName)
{
    return AtomicFile::write(
        fileName, [&](QIODevice &device) { return encodeInto(device, size, band, fileName); });
}

AtomicFile::Fill content(const QImage &picture, const QString &fileName)
{
    return [picture, fileName](QIODevice &device) {
        return encodeInto(device, picture.size(), bandsOf(picture), fileName);
    };
}

} // namespace PngFile

// SPDX-License-Identifier: MIT
// Any bytes read as a tile set either give a picture no larger than the
// sheet, which then goes onto the sheet, or a refusal; never a crash. An
// accepted picture must be wholly made of the file: decoded over memory
// filled with one byte and again over memory filled with another, it comes
// out the same. (The sanitizers cannot see pixels a reader never wrote.)
#include "core/state/EditorState.h"
#include "core/edit/TileSetFile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImageReader>

#include <cstdlib>
#include <cstring>

namespace {

// Larger pictures are decoded whole twice more only up to this size, so a
// run spends its time on many inputs rather than on a few huge ones.
constexpr qint64 MaxCheckedPixels = qint64(2048) * 2048;

// Qt's readers decode into the picture they are given when its size and
// format fit, so the pixels a reader skips keep the fill byte.
QImage decodeOver(QByteArray bytes, const QImage &shape, uchar fill)
{
    QImage picture(shape.size(), shape.format());
    std::memset(picture.bits(), fill, static_cast<std::size_t>(picture.sizeInBytes()));
    QBuffer device(&bytes);
    device.open(QIODevice::ReadOnly);
    QImageReader(&device).read(&picture);
    return picture;
}

void checkDeterminedByFile(const QByteArray &bytes)
{
    QBuffer device;
    device.setData(bytes);
    device.open(QIODevice::ReadOnly);
    const QImage shape = QImageReader(&device).read();
    if (shape.isNull() || qint64(shape.width()) * shape.height() > MaxCheckedPixels)
        return;
    // Compared as the sheet shows them: an indexed picture may name colours
    // beyond its table, which the conversion shows as black but a
    // comparison of the indexed pictures would read past the table.
    constexpr QImage::Format Shown = QImage::Format_ARGB32;
    if (decodeOver(bytes, shape, 0x00).convertToFormat(Shown) !=
        decodeOver(bytes, shape, 0xFF).convertToFormat(Shown))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    // The picture format plugins (JPEG, GIF, ICO) are found through the
    // application, as in the editor.
    static QCoreApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static EditorState state;
    QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    QBuffer device(&bytes);
    device.open(QIODevice::ReadOnly);

    using Status = TileSetFile::Result::Status;
    const TileSetFile::Result read = TileSetFile::read(device);
    switch (read.status) {
    case Status::Loaded:
        if (read.picture.isNull() || read.picture.width() > Tiles::SheetWidth ||
            read.picture.height() > Tiles::SheetHeight)
            std::abort();
        checkDeterminedByFile(bytes);
        state.tileSheet.setPicture(read.picture);
        break;
    case Status::TooLarge:
        if (qint64(read.size.width()) * read.size.height() <= TileSetFile::MaxPicturePixels)
            std::abort();
        break;
    case Status::NotAPicture:
        break;
    }
    return 0;
}

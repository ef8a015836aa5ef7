// SPDX-License-Identifier: MIT
// Any bytes read as a tile set either give a picture no larger than the
// sheet, which then goes onto the sheet, or a refusal; never a crash.
#include "core/EditorState.h"
#include "core/TileSetFile.h"

#include <QBuffer>
#include <QCoreApplication>

#include <cstdlib>

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

// SPDX-License-Identifier: MIT
#include "core/TileSetFile.h"

#include "core/EditorState.h"
#include "core/FileKinds.h"
#include "core/MapRoutines.h"
#include "core/PictureCompleteness.h"
#include "core/StatusTexts.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

#include <algorithm>
#include <optional>

namespace TileSetFile {

namespace {

const QRect SheetBox(0, 0, Tiles::SheetWidth, Tiles::SheetHeight);
const QString EndsEarly = QStringLiteral("the file ends early or is damaged");

Result failure(Result::Status status, const QString &reason, QSize size = {})
{
    Result result;
    result.status = status;
    result.reason = reason;
    result.size = size;
    return result;
}

bool tooLarge(QSize size)
{
    return qint64(size.width()) * size.height() > MaxPicturePixels;
}

// A bitmap's header is checked before Qt's reader sees the file: the reader
// refuses some huge sizes for reasons of its own, and returns a picture for
// files that lack rows, palette entries or runs.
std::optional<Result> checkBitmap(QByteArrayView file)
{
    const auto header = PictureCompleteness::readBitmapHeader(file);
    if (!header)
        return failure(Result::Status::NotAPicture, QString());
    if (tooLarge(header->size))
        return failure(Result::Status::TooLarge, QString(), header->size);
    if (!PictureCompleteness::bitmapIsComplete(*header, file))
        return failure(Result::Status::NotAPicture, EndsEarly);
    return std::nullopt;
}

} // namespace

Result read(const QString &path)
{
    // Opening a pipe waits for a writer, and a device may never end.
    if (FileKinds::isSpecialFile(path))
        return failure(Result::Status::CannotOpen, FileKinds::NotRegularFile);
    // Opened here rather than by the reader, which calls every failure to
    // open "file not found".
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failure(Result::Status::CannotOpen, file.errorString());
    return read(file);
}

Result read(QIODevice &device)
{
    // Read whole first; a size known up front keeps the buffer to the file.
    const qint64 left = device.isSequential() ? MaxFileBytes : device.size() - device.pos();
    QByteArray file = device.read(std::min(MaxFileBytes, left));
    if (PictureCompleteness::isBitmap(file))
        if (std::optional<Result> refused = checkBitmap(file))
            return *refused;

    QBuffer buffer(&file);
    buffer.open(QIODevice::ReadOnly);
    // Readers of other formats report missing or damaged data only as
    // warnings, often beside a picture with memory where the data was.
    PictureCompleteness::ReaderWarnings warnings;
    QImageReader reader(&buffer);
    const QSize claimed = reader.size();
    if (claimed.isValid() && tooLarge(claimed))
        return failure(Result::Status::TooLarge, QString(), claimed);
    // Formats that can decode a part of the picture read only the sheet's
    // corner; the others decode it whole and the reader cuts it.
    if (claimed.isValid())
        reader.setClipRect(SheetBox.intersected(QRect(QPoint(0, 0), claimed)));

    QImage picture = reader.read();
    if (picture.isNull())
        return failure(Result::Status::NotAPicture, reader.errorString());
    if (warnings.count() > 0)
        return failure(Result::Status::NotAPicture, EndsEarly);
    if (!SheetBox.contains(picture.rect()))
        picture = picture.copy(SheetBox.intersected(picture.rect()));

    Result result;
    result.status = Result::Status::Loaded;
    result.size = claimed.isValid() ? claimed : picture.size();
    result.picture = std::move(picture);
    return result;
}

void useTileSheet(EditorState &state, const QImage &picture, const QString &fileTitle)
{
    state.tileSheet.setPicture(picture);
    redrawMap(state);
    state.setPickerCaption(StatusTexts::pickerCaption(fileTitle));
}

void useBuiltInSheet(EditorState &state, const QImage &picture)
{
    state.tileSheet.setPicture(picture);
}

} // namespace TileSetFile

// SPDX-License-Identifier: MIT
#include "core/edit/TileSetFile.h"

#include "core/history/EditHistory.h"
#include "core/state/EditorState.h"
#include "core/files/FileKinds.h"
#include "core/state/MapRoutines.h"
#include "core/files/PictureCompleteness.h"
#include "core/state/StatusTexts.h"
#include "core/edit/WholeMapStep.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

#include <algorithm>
#include <optional>

namespace TileSetFile {

namespace {

const QRect SheetBox(0, 0, Tiles::SheetWidth, Tiles::SheetHeight);

Result cannotOpen(const QString &path, const QString &reason)
{
    Result result;
    result.file = FileResult::failure(path, reason);
    return result;
}

Result refused(Result::Status status, QSize size = {})
{
    Result result;
    result.status = status;
    result.size = size;
    return result;
}

// What a reader keeps of a picture: the part within keep, when given, and
// nothing of a picture beyond limit.
struct Bounds
{
    std::optional<QRect> keep;
    QSize limit;

    bool tooLarge(QSize size) const
    {
        return qint64(size.width()) * size.height() > MaxPicturePixels ||
               (limit.isValid() && (size.width() > limit.width() || size.height() > limit.height()));
    }
};

const Bounds SheetBounds{SheetBox, QSize()};

// A bitmap's header is checked before Qt's reader sees the file: the reader
// refuses some huge sizes for reasons of its own, and returns a picture for
// files that lack rows, palette entries or runs.
std::optional<Result> checkBitmap(QByteArrayView file, const Bounds &bounds)
{
    const auto header = PictureCompleteness::readBitmapHeader(file);
    if (!header)
        return refused(Result::Status::NotAPicture);
    if (bounds.tooLarge(header->size))
        return refused(Result::Status::TooLarge, header->size);
    if (!PictureCompleteness::bitmapIsComplete(*header, file))
        return refused(Result::Status::NotAPicture);
    return std::nullopt;
}

Result readFile(const QString &path, const Bounds &bounds);
Result readDevice(QIODevice &device, const Bounds &bounds);

} // namespace

Result read(const QString &path)
{
    return readFile(path, SheetBounds);
}

Result read(QIODevice &device)
{
    return readDevice(device, SheetBounds);
}

Result readWhole(const QString &path, QSize limit)
{
    return readFile(path, {std::nullopt, limit});
}

Result readWhole(QIODevice &device, QSize limit)
{
    return readDevice(device, {std::nullopt, limit});
}

namespace {

Result readFile(const QString &path, const Bounds &bounds)
{
    // Opening a pipe waits for a writer, and a device may never end.
    if (FileKinds::isSpecialFile(path))
        return cannotOpen(path, FileKinds::NotRegularFile);
    // Opened here rather than by the reader, which calls every failure to
    // open "file not found".
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return cannotOpen(path, file.errorString());
    return readDevice(file, bounds);
}

Result readDevice(QIODevice &device, const Bounds &bounds)
{
    // Read whole first; a size known up front keeps the buffer to the file.
    const qint64 left = device.isSequential() ? MaxFileBytes : device.size() - device.pos();
    QByteArray file = device.read(std::min(MaxFileBytes, left));
    if (PictureCompleteness::isBitmap(file))
        if (std::optional<Result> refused = checkBitmap(file, bounds))
            return *refused;

    QBuffer buffer(&file);
    buffer.open(QIODevice::ReadOnly);
    // Readers of other formats report missing or damaged data only as
    // warnings, often beside a picture with memory where the data was.
    PictureCompleteness::ReaderWarnings warnings;
    QImageReader reader(&buffer);
    const QSize claimed = reader.size();
    if (claimed.isValid() && bounds.tooLarge(claimed))
        return refused(Result::Status::TooLarge, claimed);
    // Formats that can decode a part of the picture read only the part
    // kept; the others decode it whole and the reader cuts it.
    if (claimed.isValid() && bounds.keep)
        reader.setClipRect(bounds.keep->intersected(QRect(QPoint(0, 0), claimed)));

    QImage picture = reader.read();
    if (picture.isNull())
        return refused(Result::Status::NotAPicture);
    if (warnings.count() > 0)
        return refused(Result::Status::NotAPicture);
    // A format that did not tell its size before decoding.
    if (bounds.limit.isValid() && bounds.tooLarge(picture.size()))
        return refused(Result::Status::TooLarge, picture.size());
    if (bounds.keep && !bounds.keep->contains(picture.rect()))
        picture = picture.copy(bounds.keep->intersected(picture.rect()));

    Result result;
    result.status = Result::Status::Loaded;
    result.size = claimed.isValid() ? claimed : picture.size();
    result.picture = std::move(picture);
    return result;
}

} // namespace

void useTileSheet(EditorState &state, const QImage &picture, const QString &fileTitle)
{
    // The step keeps the sheet packed, as the sheet the picture makes.
    Surface sheet(state.tileSheet.size(), state.tileSheet.background());
    sheet.setPicture(picture);
    const QByteArray packed = state.history.sheets().pack(sheet.image());
    const QString caption = StatusTexts::pickerCaption(fileTitle);
    WholeMapStep::perform(state, StepNames::LoadTiles, {.sheet = true},
                          [packed, caption](EditorState &s) {
                              s.tileSheet.setPicture(SheetStore::unpack(packed));
                              redrawMap(s);
                              drawBrushFromSheet(s);
                              s.setPickerCaption(caption);
                          });
}

void useBuiltInSheet(EditorState &state, const QImage &picture)
{
    state.tileSheet.setPicture(picture);
    drawBrushFromSheet(state);
}

} // namespace TileSetFile

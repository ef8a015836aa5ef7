// SPDX-License-Identifier: MIT
#include "core/files/RecoveryCopy.h"

#include "core/render/TileGeometry.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDataStream>
#include <QImageReader>

#include <utility>

namespace RecoveryCopy {

namespace {

// Every version keeps this frame: the mark with the version's number and a
// line end, the fields, the sum. So a copy is told whole or damaged before
// its version is looked at.
const QByteArray MarkStart = QByteArrayLiteral("Tesselwick recovery copy ");
constexpr char MarkEnd = '\n';
// Far more digits than any version needs; a longer mark is damage.
constexpr qsizetype VersionDigits = 9;
constexpr auto Sum = QCryptographicHash::Sha256;
constexpr auto StreamVersion = QDataStream::Qt_6_0;
// A map file is this long; anything else in a copy is damage.
constexpr qsizetype MapFileSize = 32772;

// How version 2 writes a field that is not kept.
const QSize SizeNotKept(0, 0);
constexpr qint16 TileNotKept = -1;

QByteArray sumOf(QByteArrayView bytes)
{
    return QCryptographicHash::hash(bytes, Sum);
}

QByteArray pictureFile(const QImage &picture)
{
    QByteArray bytes;
    if (picture.isNull())
        return bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    return bytes;
}

// The version the mark at the start of bytes names and where the fields
// begin after it; nothing when there is no such mark.
std::optional<std::pair<int, qsizetype>> readMark(QByteArrayView bytes)
{
    if (!bytes.startsWith(MarkStart))
        return std::nullopt;
    const qsizetype end = bytes.indexOf(MarkEnd, MarkStart.size());
    if (end < 0 || end - MarkStart.size() > VersionDigits)
        return std::nullopt;
    const QByteArrayView digits = bytes.sliced(MarkStart.size(), end - MarkStart.size());
    bool ok = false;
    const int version = digits.toInt(&ok);
    // One spelling per number: "2", never "02" or "+2".
    if (!ok || version < 1 || QByteArray::number(version) != digits)
        return std::nullopt;
    return std::pair(version, end + 1);
}

bool sizeFits(QSize size)
{
    return size.width() >= 1 && size.width() <= Tiles::GridColumns && size.height() >= 1 &&
           size.height() <= Tiles::GridRows;
}

// Reads what a copy of the given version holds; false when a field is
// missing or out of its range.
bool readFields(QDataStream &stream, int version, Contents &contents)
{
    QByteArray sheet;
    stream >> contents.mapFile >> sheet >> contents.mapText >> contents.pickerCaption;
    if (version >= 2) {
        QSize size;
        QString cursorText;
        qint16 tile = TileNotKept;
        stream >> size >> cursorText >> tile;
        if (size != SizeNotKept) {
            if (!sizeFits(size))
                return false;
            contents.mapSize = size;
        }
        if (!cursorText.isNull())
            contents.cursorText = cursorText;
        if (tile != TileNotKept) {
            if (tile < 0 || tile >= Tiles::TileCount)
                return false;
            contents.selectedTile = tile;
        }
    }
    if (stream.status() != QDataStream::Ok || !stream.atEnd() ||
        contents.mapFile.size() != MapFileSize)
        return false;
    if (!sheet.isEmpty()) {
        QBuffer buffer(&sheet);
        QImageReader reader(&buffer, "PNG");
        contents.tileSheet = reader.read();
        if (contents.tileSheet.isNull())
            return false;
    }
    return true;
}

std::optional<Contents> refuse(QString *whyNot, const QString &reason)
{
    if (whyNot)
        *whyNot = reason;
    return std::nullopt;
}

} // namespace

QByteArray encode(const Contents &contents)
{
    QByteArray bytes = MarkStart + QByteArray::number(Version) + MarkEnd;
    {
        QDataStream stream(&bytes, QIODevice::Append);
        stream.setVersion(StreamVersion);
        stream << contents.mapFile << pictureFile(contents.tileSheet) << contents.mapText
               << contents.pickerCaption;
        stream << contents.mapSize.value_or(SizeNotKept) << contents.cursorText.value_or(QString())
               << static_cast<qint16>(contents.selectedTile.value_or(TileNotKept));
    }
    bytes += sumOf(bytes);
    return bytes;
}

std::optional<Contents> decode(QByteArrayView bytes, QString *whyNot)
{
    const qsizetype sumSize = QCryptographicHash::hashLength(Sum);
    const std::optional<std::pair<int, qsizetype>> mark = readMark(bytes);
    if (!mark || bytes.size() < mark->second + sumSize)
        return refuse(whyNot, Damaged);
    const QByteArrayView body = bytes.first(bytes.size() - sumSize);
    if (sumOf(body) != bytes.last(sumSize))
        return refuse(whyNot, Damaged);
    const auto [version, fieldsStart] = *mark;
    if (version > Version)
        return refuse(whyNot, TooNew);

    QByteArray fields = body.sliced(fieldsStart).toByteArray();
    QDataStream stream(&fields, QIODevice::ReadOnly);
    stream.setVersion(StreamVersion);
    Contents contents;
    if (!readFields(stream, version, contents))
        return refuse(whyNot, Damaged);
    return contents;
}

} // namespace RecoveryCopy

// SPDX-License-Identifier: MIT
#include "core/files/RecoveryCopy.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDataStream>
#include <QImageReader>

namespace RecoveryCopy {

namespace {

const QByteArray Mark = QByteArrayLiteral("Tesselwick recovery copy 1\n");
constexpr auto Sum = QCryptographicHash::Sha256;
constexpr auto StreamVersion = QDataStream::Qt_6_0;
// A map file is this long; anything else in a copy is damage.
constexpr qsizetype MapFileSize = 32772;

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

} // namespace

QByteArray encode(const Contents &contents)
{
    QByteArray bytes = Mark;
    {
        QDataStream stream(&bytes, QIODevice::Append);
        stream.setVersion(StreamVersion);
        stream << contents.mapFile << pictureFile(contents.tileSheet) << contents.mapText
               << contents.pickerCaption;
    }
    bytes += sumOf(bytes);
    return bytes;
}

std::optional<Contents> decode(QByteArrayView bytes)
{
    const qsizetype sumSize = QCryptographicHash::hashLength(Sum);
    if (bytes.size() < Mark.size() + sumSize || !bytes.startsWith(Mark))
        return std::nullopt;
    const QByteArrayView body = bytes.first(bytes.size() - sumSize);
    if (sumOf(body) != bytes.last(sumSize))
        return std::nullopt;

    QByteArray fields = body.sliced(Mark.size()).toByteArray();
    QDataStream stream(&fields, QIODevice::ReadOnly);
    stream.setVersion(StreamVersion);
    Contents contents;
    QByteArray sheet;
    stream >> contents.mapFile >> sheet >> contents.mapText >> contents.pickerCaption;
    if (stream.status() != QDataStream::Ok || !stream.atEnd() ||
        contents.mapFile.size() != MapFileSize)
        return std::nullopt;
    if (!sheet.isEmpty()) {
        QBuffer buffer(&sheet);
        QImageReader reader(&buffer, "PNG");
        contents.tileSheet = reader.read();
        if (contents.tileSheet.isNull())
            return std::nullopt;
    }
    return contents;
}

} // namespace RecoveryCopy

// SPDX-License-Identifier: MIT
#include "cli/MapFileCheck.h"

#include "mapfile/MapFileFormat.h"

namespace MapFileCheck {

namespace {

// The first bytes of files most often named as a map by mistake.
QString lookalike(QByteArrayView start)
{
    if (start.startsWith("\x89PNG"))
        return QStringLiteral("a PNG picture");
    if (start.startsWith("BM"))
        return QStringLiteral("a BMP picture");
    if (start.startsWith("<?xml") || start.startsWith("<map"))
        return QStringLiteral("an XML file, perhaps a Tiled map");
    if (start.startsWith("{"))
        return QStringLiteral("a JSON file, perhaps a Tiled map");
    return {};
}

} // namespace

Outcome<> exactSize(qint64 size, QByteArrayView start)
{
    if (size == MapFile::FileSize)
        return {};
    QString message = QStringLiteral("%1 bytes, where a map file has exactly %2")
                          .arg(size)
                          .arg(MapFile::FileSize);
    const QString looksLike = lookalike(start);
    if (!looksLike.isEmpty())
        message += QStringLiteral("; it looks like %1").arg(looksLike);
    message += QStringLiteral(" (--lenient reads it as the editor does)");
    return Failure::saying(message);
}

QStringList sizeClamps(QByteArrayView bytes)
{
    const MapFile::Contents contents = MapFile::decode(bytes);
    QStringList clamps;
    if (contents.widthByte == MapFile::FullWidthByte)
        return clamps;
    if (contents.widthByte == 0)
        clamps.append(QStringLiteral("width byte 0 taken as 1"));
    if (contents.heightByte == 0)
        clamps.append(QStringLiteral("height byte 0 taken as 1"));
    if (contents.heightByte > Tiles::GridRows)
        clamps.append(QStringLiteral("height byte %1 taken as %2")
                          .arg(contents.heightByte)
                          .arg(Tiles::GridRows));
    return clamps;
}

QStringList loadChanges(QByteArrayView bytes, qint64 size)
{
    QStringList changes;
    if (size < MapFile::FileSize)
        changes.append(QStringLiteral("short file read as if padded with zeros to %1 bytes")
                           .arg(MapFile::FileSize));
    else if (size > MapFile::FileSize)
        changes.append(
            QStringLiteral("long file read only to its first %1 bytes").arg(MapFile::FileSize));
    changes += sizeClamps(bytes);
    const MapFile::Contents contents = MapFile::decode(bytes);
    // The full-width canvas is one row taller than the height byte; beyond
    // the grid's last row it shows no cells.
    if (contents.widthByte == MapFile::FullWidthByte && contents.heightByte >= Tiles::GridRows)
        changes.append(QStringLiteral("height byte %1 gives a canvas taller than the grid's %2 "
                                      "rows")
                           .arg(contents.heightByte)
                           .arg(Tiles::GridRows));
    return changes;
}

} // namespace MapFileCheck

// SPDX-License-Identifier: MIT
#include "core/BitmapExport.h"

#include "core/FileKinds.h"
#include "core/SaveJournal.h"

#include <QImageWriter>
#include <QSaveFile>

#include <sys/stat.h>

namespace {

// Qt's bitmap writer stores opaque 32-bit pictures as 24-bit rows, so the
// picture goes to it as it is, without a converted copy.
constexpr QImage::Format BitmapSourceFormat = QImage::Format_RGB32;
constexpr char BitmapFormat[] = "bmp";
constexpr qint64 BitmapHeadersBytes = 54;

// What the writer puts in the file: the headers, then rows of 3 bytes a
// pixel padded to whole 32-bit words.
qint64 bitmapFileBytes(QSize size)
{
    const qint64 rowBytes = (qint64(size.width()) * 3 + 3) / 4 * 4;
    return BitmapHeadersBytes + rowBytes * size.height();
}

// What reached the disk, whatever the file still holds in its buffer.
qint64 bytesOnDisk(const QFileDevice &file)
{
    struct stat status;
    return ::fstat(file.handle(), &status) == 0 ? qint64(status.st_size) : 0;
}

} // namespace

QString writeBitmapFile(const QImage &picture, const QString &fileName)
{
    // The commit renames the new file over the target, which would put a
    // plain file in the place of a pipe or a device.
    if (FileKinds::isSpecialFile(fileName))
        return FileKinds::NotRegularFile;
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    const SaveJournal journal(fileName, file);
    QImageWriter writer(&file, BitmapFormat);
    const bool written = writer.write(picture.format() == BitmapSourceFormat
                                          ? picture
                                          : picture.convertToFormat(BitmapSourceFormat));
    if (!written) {
        // The bitmap writer fails with an unknown error only when the file
        // takes fewer bytes than it is given, as on a full disk; the file
        // then often has no reason of its own to give.
        const QString reason =
            writer.error() == QImageWriter::UnknownError
                ? FileKinds::shortWriteReason(bytesOnDisk(file), bitmapFileBytes(picture.size()))
                : writer.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return QString();
}

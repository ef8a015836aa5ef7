// SPDX-License-Identifier: MIT
#include "core/BitmapExport.h"

#include "core/FileKinds.h"

#include <QImageWriter>
#include <QSaveFile>

namespace {

// Qt's bitmap and PNG writers store opaque 32-bit pictures as 24-bit pixels,
// so the picture goes to them as it is, without a converted copy.
constexpr QImage::Format BitmapSourceFormat = QImage::Format_RGB32;
constexpr char BitmapFormat[] = "bmp";

} // namespace

QString writeBitmapFile(const QImage &picture, const QString &fileName)
{
    return writeImageFile(picture, fileName, BitmapFormat);
}

QString writeImageFile(const QImage &picture, const QString &fileName, const QByteArray &format,
                       int quality)
{
    // The commit renames the new file over the target, which would put a
    // plain file in the place of a pipe or a device.
    if (FileKinds::isSpecialFile(fileName))
        return FileKinds::NotRegularFile;
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    QImageWriter writer(&file, format);
    writer.setQuality(quality);
    const bool written = writer.write(picture.format() == BitmapSourceFormat
                                          ? picture
                                          : picture.convertToFormat(BitmapSourceFormat));
    if (!written) {
        const QString reason =
            file.error() != QFileDevice::NoError ? file.errorString() : writer.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return QString();
}

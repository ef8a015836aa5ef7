// SPDX-License-Identifier: MIT
#include "core/BitmapExport.h"

#include "core/AtomicWrite.h"

#include <QImageWriter>

namespace {

// Qt's bitmap writer stores opaque 32-bit pictures as 24-bit rows, so the
// picture goes to it as it is, without a converted copy.
constexpr QImage::Format BitmapSourceFormat = QImage::Format_RGB32;
constexpr char BitmapFormat[] = "bmp";

} // namespace

FileResult writeBitmapFile(const QImage &picture, const QString &fileName)
{
    // Written row by row into the file, so a large picture needs no second
    // copy as bytes in memory.
    return writeAtomically(fileName, [&picture, &fileName](QIODevice &file) {
        QImageWriter writer(&file, BitmapFormat);
        if (writer.write(picture.format() == BitmapSourceFormat
                             ? picture
                             : picture.convertToFormat(BitmapSourceFormat)))
            return FileResult();
        return FileResult::failure(fileName, writer.errorString());
    });
}

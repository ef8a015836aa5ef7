// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QString>

#include <functional>

struct Host;

// Saving a picture of the map as a Windows bitmap file, for both the main
// window's "Create Bitmap Image" and the preview's "Create Image".
namespace ImageExport {

inline const QString DialogTitle = QStringLiteral("Save Image File");
inline const QString Filter = QStringLiteral("Windows Bitmap Files (*.bmp)|*.bmp");
// Shown when the file cannot be written: the file's name, then the reason.
inline const QString WriteFailedMessage =
    QStringLiteral("The image file %1 could not be written.\n\n%2");
inline const QString OutOfMemoryReason =
    QStringLiteral("There is not enough memory to make the picture.");

// Asks for a file name with the shared save dialog and writes the picture
// under that name exactly as typed. Cancelling writes nothing. The picture is
// made only once a name has been chosen.
void createImage(Host host, const std::function<QImage()> &picture);

} // namespace ImageExport

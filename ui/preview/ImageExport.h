// SPDX-License-Identifier: MIT
#pragma once

#include "core/files/FileResult.h"

#include <QImage>
#include <QString>

#include <functional>

struct Host;

// Saving a picture of the map as a Windows bitmap file, for both the main
// window's "Create Bitmap Image" and the preview's "Create Image".
namespace ImageExport {

// Asks for a file name with the shared save dialog and has writeTo write the
// bitmap under that name exactly as typed, reporting a failure. Cancelling
// writes nothing.
void createImage(Host host, const std::function<FileResult(const QString &fileName)> &writeTo);

// The same for a whole picture, made only once a name has been chosen.
void createImage(Host host, const std::function<QImage()> &picture);

} // namespace ImageExport

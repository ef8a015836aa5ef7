// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>

#include <functional>

struct Host;

// Saving a picture of the map as a Windows bitmap file, for both the main
// window's "Create Bitmap Image" and the preview's "Create Image".
namespace ImageExport {

// Asks for a file name with the shared save dialog and writes the picture
// under that name exactly as typed. Cancelling writes nothing. The picture is
// made only once a name has been chosen.
void createImage(Host host, const std::function<QImage()> &picture);

} // namespace ImageExport

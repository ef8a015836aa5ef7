// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>

namespace ArtGen {

// The application icon, a tile grid being painted, with one pixel of its design drawn as
// scale x scale pixels.
QImage applicationIcon(int scale);

// The preview window's icon: a magnifier over a tile grid.
QImage previewIcon(int scale);

} // namespace ArtGen

// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>

namespace ArtGen {

// The product name in the pixel font, centred on a black strip.
QImage banner();

} // namespace ArtGen

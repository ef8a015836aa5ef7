#pragma once

#include <QImage>

namespace artgen {

// The product name in the pixel font, centred on a black strip.
QImage banner();

} // namespace artgen

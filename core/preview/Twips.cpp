// SPDX-License-Identifier: MIT
#include "core/preview/Twips.h"

#include <cmath>

namespace Twips {

int toPixels(double twips)
{
    return static_cast<int>(std::lround(twips / PerPixel));
}

QRect toPixels(const QRect &twips)
{
    return QRect(toPixels(twips.x()), toPixels(twips.y()), toPixels(twips.width()),
                 toPixels(twips.height()));
}

} // namespace Twips

// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>
#include <QString>

// The credits window's own texts and its geometry, all in one place; the
// credit lines and their scrolling are in core/CreditsScroll.h.

namespace CreditsTexts {

inline const QString ClickToClose = QStringLiteral("Click To Close");
inline const QString BackdropResource = QStringLiteral(":/art/credits_backdrop.bmp");

} // namespace CreditsTexts

// Geometry of the credits window in twips (15 to the pixel), as it is
// designed; the scroll area is CreditsScroll::AreaWidth x AreaHeight at the
// window's top-left corner.
namespace CreditsLayout {

inline constexpr QSize ClientSize(7935, 4095);
inline constexpr QRect ClickToClose(6240, 3720, 1695, 255);
inline constexpr int FontPoints = 12;
inline constexpr double ClickToClosePoints = 8.25;

} // namespace CreditsLayout

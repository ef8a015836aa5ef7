// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace MainWindowTexts {

inline const QString JumpToTopCaption = QStringLiteral("^");
inline const QString JumpToTopTip = QStringLiteral("Jump to Top");
inline const QString JumpToLeftCaption = QStringLiteral("<<");
inline const QString JumpToLeftTip = QStringLiteral("Jump to Left");
inline const QString HomeCaption = QStringLiteral("H");
inline const QString HomeTip = QStringLiteral("Home");

inline const QString MapPanelTip = QStringLiteral("Your current loaded map.");
inline const QString SizePanelTip = QStringLiteral("The current map size.");
inline const QString CursorPanelTip = QStringLiteral("Your cursor location on map.");

inline const QString BannerResource = QStringLiteral(":/art/banner.bmp");
inline const QString IconResource = QStringLiteral(":/art/icons/tesselwick.png");

} // namespace MainWindowTexts

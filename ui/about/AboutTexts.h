// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The texts of the help window and of the credits window.
namespace AboutTexts {

inline const QString HelpWindowTitle = QStringLiteral("Tesselwick Help");
inline const QString BackCaption = QStringLiteral("Back");
inline const QString ForwardCaption = QStringLiteral("Forward");
inline const QString ContentsCaption = QStringLiteral("Contents");

inline const QString ClickToClose = QStringLiteral("Click To Close");
inline const QString CreditsBackdropResource = QStringLiteral(":/art/credits_backdrop.bmp");

} // namespace AboutTexts

// SPDX-License-Identifier: MIT
#pragma once

#include <QSize>
#include <QString>

// The help window's texts and size, all in one place.

namespace HelpWindowTexts {

inline const QString Title = QStringLiteral("Tesselwick Help");
inline const QString BackCaption = QStringLiteral("Back");
inline const QString ForwardCaption = QStringLiteral("Forward");
inline const QString ContentsCaption = QStringLiteral("Contents");

} // namespace HelpWindowTexts

namespace HelpWindowLayout {

inline constexpr QSize WindowSize(760, 560);

} // namespace HelpWindowLayout

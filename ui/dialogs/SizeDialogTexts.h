// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace SizeDialogTexts {

inline const QString Width = QStringLiteral("Width");
inline const QString Height = QStringLiteral("Height");
inline const QString WidthRange = QStringLiteral("1-255");
inline const QString HeightRange = QStringLiteral("1-127");
inline const QString Cancel = QStringLiteral("Cancel");

inline const QString NewMapCaption = QStringLiteral("New Map");
inline const QString CreateNewMap = QStringLiteral("Create New Map");
inline const QString NewMapHint = QStringLiteral("Default map size is 255x127");

inline const QString ResizeMapCaption = QStringLiteral("Resize Map");
inline const QString ResizeMap = QStringLiteral("Resize Map");

} // namespace SizeDialogTexts

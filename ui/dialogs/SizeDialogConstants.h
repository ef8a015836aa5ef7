// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QRect>
#include <QString>

// The New Map and Resize Map dialogs' texts and the geometry of their
// controls, all in one place.

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

// Geometry and colours of the New Map and Resize Map dialogs, in client-area
// pixels. Both carry the same controls; Resize Map stands 8 pixels further
// left in a smaller window and has no size hint.
namespace SizeDialogLayout {

struct Controls
{
    QSize client;
    QRect widthLabel;
    QRect widthField;
    QRect widthRange;
    QRect heightLabel;
    QRect heightField;
    QRect heightRange;
    QRect cancelButton;
    QRect m_applyButton;
};

inline constexpr Controls NewMap{
    QSize(262, 186),        QRect(-8, 16, 113, 25), QRect(104, 8, 81, 33),
    QRect(200, 24, 49, 25), QRect(-8, 64, 113, 33), QRect(104, 64, 81, 33),
    QRect(200, 72, 49, 25), QRect(40, 112, 89, 33), QRect(144, 112, 97, 33),
};
inline constexpr QRect NewMapHint(40, 160, 193, 17);

inline constexpr Controls ResizeMap{
    QSize(254, 157),        QRect(-16, 16, 113, 25), QRect(96, 16, 81, 33),
    QRect(192, 24, 49, 25), QRect(-16, 64, 113, 33), QRect(96, 64, 81, 33),
    QRect(192, 72, 49, 25), QRect(32, 112, 89, 33),  QRect(136, 112, 97, 33),
};

inline constexpr int FieldLength = 3;

inline constexpr qreal CaptionPoints = 13.5;
inline constexpr qreal RangePoints = 12;
inline constexpr qreal ButtonPoints = 8.25;
inline constexpr qreal HintPoints = 9.75;

// A field with the focus, or one that failed the check.
inline const QColor Yellow(255, 255, 0);
// A field that has lost the focus.
inline const QColor White(255, 255, 255);
// The text in both fields, on yellow or white.
inline const QColor FieldText(0, 0, 0);
// The range labels and the size hint.
inline const QColor Navy(0, 0, 128);

} // namespace SizeDialogLayout

// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>
#include <QString>

// The preview window as designed, in twips (15 to the pixel at 96 dots per
// inch); the window turns them into pixels where it places its widgets.
namespace PreviewWindowLayout {

inline constexpr QSize ClientSize(14310, 9495);

// The control strip never changes size; its width spans any usual window.
inline constexpr QRect ControlStrip(0, 0, 40000, 495);
inline constexpr QRect ZoomLabel(120, 90, 495, 255);
inline constexpr QRect ZoomBox(720, 60, 2175, 315);
inline constexpr QRect CloseButton(3120, 60, 1695, 315);
inline constexpr QRect CreateImageButton(4920, 60, 1575, 315);
inline constexpr QRect NoteLabel(6600, 120, 6615, 255);

// The thickness of both scroll bars.
inline constexpr int ScrollBarThickness = 255;

inline constexpr double LabelPoints = 8.25;

inline const QString Title = QStringLiteral("Tesselwick Map Preview");
inline const QString ZoomLabelText = QStringLiteral("Zoom:");
inline const QString CloseCaption = QStringLiteral("&Close Preview");
inline const QString CreateImageCaption = QStringLiteral("Create Image");
inline const QString NoteText =
    QStringLiteral("NOTE: Create Image takes screenshots with adjusted zoom level as shown.");
inline const QString IconResource = QStringLiteral(":/art/icons/preview.png");

} // namespace PreviewWindowLayout

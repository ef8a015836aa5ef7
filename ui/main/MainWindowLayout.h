// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>

// Geometry of the main window's controls in client-area pixels.
namespace MainWindowLayout {

inline constexpr QSize ClientSize(826, 673);
inline constexpr int StatusBarHeight = 16;

inline constexpr QRect Banner(-168, 0, 1204, 45);
inline constexpr QRect Viewport(16, 56, 775, 583);
inline constexpr QRect JumpToTop(792, 56, 17, 19);
inline constexpr QRect VerticalBar(792, 72, 17, 569);
inline constexpr QRect JumpToLeft(16, 640, 25, 17);
inline constexpr QRect HorizontalBar(40, 640, 753, 17);
inline constexpr QRect Home(792, 640, 17, 17);

// The status panels' and jump buttons' lettering: MS Sans Serif, bold.
inline constexpr qreal ControlPoints = 8.25;

inline constexpr int MapPanelWidth = 427;
inline constexpr int SizePanelWidth = 188;
inline constexpr int CursorPanelWidth = 214;

} // namespace MainWindowLayout

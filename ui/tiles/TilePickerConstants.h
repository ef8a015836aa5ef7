// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>
#include <QString>

namespace TilePickerLayout {

inline constexpr QSize ClientSize(579, 130);
inline constexpr QPoint TileSheet(0, 0);
inline constexpr QRect SelectedLabel(520, 32, 49, 25);
inline constexpr QRect SelectedPreview(536, 72, 16, 17);
// The numbers of the tile under the pointer and of the selected tile, in the
// free space right of the sheet.
inline constexpr QRect PointerNumber(514, 4, 63, 20);
inline constexpr QRect SelectedNumber(514, 96, 63, 20);

inline constexpr qreal LabelPoints = 8.25;

inline const QString SelectedTileText = QStringLiteral("Selected Tile");
inline const QString TileNumberText = QStringLiteral("No. %1");
inline const QString PointerNumberTip = QStringLiteral("Tile under the pointer");
inline const QString SelectedNumberTip = QStringLiteral("Selected tile");

} // namespace TilePickerLayout

// The Tools menu's Load Tiles, which fills the picker's sheet: the shared
// file dialog's settings and the refusals.
namespace LoadTilesTexts {

inline const QString DialogTitle = QStringLiteral("Load TileSet");
inline const QString Filter = QStringLiteral("Tile Sets (.bmp)|*.bmp|");
inline constexpr int FilterIndex = 1;
// The file's name, the picture's width and height, then the sheet's.
inline const QString TooLarge =
    QStringLiteral("%1 is %2 x %3 pixels, too large to be a TileSet (a TileSet is %4 x %5).");
// The file's name, then the reason.
inline const QString CannotOpen = QStringLiteral("The TileSet file %1 could not be opened: %2.");

} // namespace LoadTilesTexts

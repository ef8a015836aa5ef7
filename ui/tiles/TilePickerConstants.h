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
inline const QString TileSetResource = QStringLiteral(":/art/tileset.bmp");

} // namespace TilePickerLayout

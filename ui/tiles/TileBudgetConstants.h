// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QSize>
#include <QString>

// Texts and sizes of Import Picture, Save Tiles and the Tile Usage window.
namespace TileBudgetTexts {

inline const QString ImportPicture = QStringLiteral("&Import Picture");
inline const QString ImportPictureKeys = QStringLiteral("Ctrl+Shift+I");
inline const QString SaveTiles = QStringLiteral("Save &Tiles...");
inline const QString TileUsageItem = QStringLiteral("Tile &Usage");
inline const QString TileUsageKeys = QStringLiteral("Ctrl+U");

inline const QString ImportDialogTitle = QStringLiteral("Import Picture");
inline const QString PictureFilter =
    QStringLiteral("Pictures (.png, .bmp)|*.png;*.bmp|All Files|*|");
inline const QString SaveTilesDialogTitle = QStringLiteral("Save Tiles");
inline const QString SheetFilter = QStringLiteral("PNG Pictures (.png)|*.png|BMP Pictures (.bmp)|*.bmp|");
inline const QString PngSuffix = QStringLiteral(".png");
inline const QString BmpSuffix = QStringLiteral(".bmp");

inline const QString CannotOpen = QStringLiteral("The picture %1 could not be opened: %2.");
inline const QString PictureRefused = QStringLiteral("The picture %1 cannot be imported. %2");
inline const QString MergeQuestion =
    QStringLiteral("%1\n\nMerge similar tiles so that 256 are left? The map will then differ a "
                   "little from the picture. No cancels the import.");
inline const QString SaveTilesFailed = QStringLiteral("The tiles could not be saved to %1: %2.");

inline const QString WindowTitle = QStringLiteral("Tile Usage");
// Mnemonics apart from the main window's menus (File, Edit, Tools, About).
inline const QString Find = QStringLiteral("Fi&nd");
inline const QString ReplaceWith = QStringLiteral("&Replace with...");
inline const QString CompactTiles = QStringLiteral("&Compact Tiles");
inline const QString ReplaceTitle = QStringLiteral("Replace Tile");
inline const QString ReplacePrompt = QStringLiteral("Replace every cell of tile %1 with tile:");
// "Tile 17: 240 cells" and the summary under the sheet.
inline const QString TileLine = QStringLiteral("Tile %1: %2 cells");
inline const QString TileLineOne = QStringLiteral("Tile %1: 1 cell");
inline const QString UnusedTileLine = QStringLiteral("Tile %1: unused");
inline const QString Summary = QStringLiteral("%1 of 256 tiles used, %2 free");
inline const QString AlreadyCompact =
    QStringLiteral("The used tiles are at the front of the sheet already.");
inline const QString NothingToReplace = QStringLiteral("No cell of the map holds tile %1.");

} // namespace TileBudgetTexts

namespace TileUsageLayout {
// Each tile shown at twice its size, its count in a band along its bottom.
inline constexpr int Zoom = 2;
// Milliseconds between showings of changed counts while the map changes.
inline constexpr int ShowInterval = 40;
inline constexpr int CountBand = 11;
inline constexpr int CountPixels = 9;
inline const QColor UnusedShade(0, 0, 0, 170);
inline const QColor UnusedCross(255, 80, 80);
inline const QColor CountBackground(0, 0, 0, 150);
inline const QColor Chosen(255, 255, 0);
inline const QColor FoundMark(255, 0, 255);
} // namespace TileUsageLayout

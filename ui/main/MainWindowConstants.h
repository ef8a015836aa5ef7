// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QRect>
#include <QString>

// The main window's texts and the geometry of its controls, all in one place.

namespace MainWindowTexts {

// Menus and their items, with the shortcut keys shown beside the captions.
// Each item's "&" marks the letter that chooses it while its menu is open,
// one letter per item within a menu.
inline const QString FileMenu = QStringLiteral("&File");
inline const QString NewMap = QStringLiteral("&New Map");
inline const QString NewMapKeys = QStringLiteral("Ctrl+N");
inline const QString ClearMap = QStringLiteral("&Clear Map");
inline const QString ClearMapKeys = QStringLiteral("Ctrl+C");
inline const QString ResizeMap = QStringLiteral("&Resize Map");
inline const QString ResizeMapKeys = QStringLiteral("Ctrl+R");
inline const QString LoadMap = QStringLiteral("&Load Map");
inline const QString LoadMapKeys = QStringLiteral("Ctrl+M");
inline const QString SaveMap = QStringLiteral("&Save Map");
inline const QString SaveMapKeys = QStringLiteral("Ctrl+S");
inline const QString Exit = QStringLiteral("E&xit");
inline const QString ExitKeys = QStringLiteral("Ctrl+Q");

// The Edit menu's items name the step they act on: "Undo Fill Map".
inline const QString EditMenu = QStringLiteral("&Edit");
inline const QString Undo = QStringLiteral("&Undo");
inline const QString UndoKeys = QStringLiteral("Ctrl+Z");
inline const QString Redo = QStringLiteral("&Redo");
inline const QString RedoKeys = QStringLiteral("Ctrl+Y");
inline const QString RedoOtherKeys = QStringLiteral("Ctrl+Shift+Z");

inline const QString ToolsMenu = QStringLiteral("&Tools");
inline const QString LoadTiles = QStringLiteral("&Load Tiles");
inline const QString LoadTilesKeys = QStringLiteral("Ctrl+L");
inline const QString ShowTiles = QStringLiteral("&Show Tiles");
inline const QString ShowTilesKeys = QStringLiteral("Ctrl+T");
inline const QString FillMap = QStringLiteral("&Fill Map");
inline const QString FillMapKeys = QStringLiteral("Ctrl+F");
inline const QString MapPreview = QStringLiteral("Map &Preview");
inline const QString MapPreviewKeys = QStringLiteral("Ctrl+P");
inline const QString CreateBitmapImage = QStringLiteral("Create &Bitmap Image");
inline const QString CreateBitmapImageKeys = QStringLiteral("Ctrl+B");

inline const QString AboutMenu = QStringLiteral("&About");
inline const QString Help = QStringLiteral("&Help");
inline const QString HelpKeys = QStringLiteral("F1");
// Followed by the maker's web-site name.
inline const QString VisitPrefix = QStringLiteral("&Visit ");
inline const QString Credits = QStringLiteral("&Credits");

// The jump buttons beside the scroll bars.
inline const QString JumpToTopCaption = QStringLiteral("^");
inline const QString JumpToTopTip = QStringLiteral("Jump to Top");
inline const QString JumpToLeftCaption = QStringLiteral("<<");
inline const QString JumpToLeftTip = QStringLiteral("Jump to Left");
inline const QString HomeCaption = QStringLiteral("H");
inline const QString HomeTip = QStringLiteral("Home");

// The Clear Map question.
inline const QString ClearMapPrompt = QStringLiteral("Are you sure you want to clear the map?");
inline const QString ClearMapTitle = QStringLiteral("WARNING!!");

// Load Map and Save Map: the shared file dialog's titles and filter, and the
// failures, with %1 the file's name and %2 the reason.
inline const QString LoadMapDialogTitle = QStringLiteral("Load Map");
inline const QString SaveMapDialogTitle = QStringLiteral("Save Map");
inline const QString MapFilter = QStringLiteral("MAP Files (.map, .prg)|*.map;*.prg|");
inline const QString LoadMapFailed = QStringLiteral("The map file %1 could not be loaded: %2.");
inline const QString SaveMapFailed =
    QStringLiteral("The map file %1 could not be saved: %2.\nAny earlier file of that name "
                   "is unchanged.");

inline const QString MapPanelTip = QStringLiteral("Your current loaded map.");
inline const QString SizePanelTip = QStringLiteral("The current map size.");
inline const QString CursorPanelTip = QStringLiteral("Your cursor location on map.");

inline const QString BannerResource = QStringLiteral(":/art/banner.bmp");
inline const QString IconResource = QStringLiteral(":/art/icons/tesselwick.png");

} // namespace MainWindowTexts

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

// The area around the canvas where the map is smaller than the viewport.
inline const QColor ViewportGrey(128, 128, 128);

} // namespace MainWindowLayout

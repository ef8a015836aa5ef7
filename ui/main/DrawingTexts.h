// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The texts and shortcut keys of the drawing commands: the Edit menu's
// selection and clipboard items, the View menu and the Draw menu.
namespace DrawingTexts {

inline const QString Cut = QStringLiteral("Cu&t");
inline const QString CutKeys = QStringLiteral("Ctrl+X");
inline const QString Copy = QStringLiteral("&Copy");
inline const QString CopyKeys = QStringLiteral("Ctrl+Shift+C");
inline const QString CopyOtherKeys = QStringLiteral("Ctrl+Insert");
inline const QString Paste = QStringLiteral("&Paste");
inline const QString PasteKeys = QStringLiteral("Ctrl+V");
inline const QString PasteOtherKeys = QStringLiteral("Shift+Insert");
inline const QString Delete = QStringLiteral("&Delete");
inline const QString DeleteKeys = QStringLiteral("Del");
inline const QString SelectAll = QStringLiteral("Select &All");
inline const QString SelectAllKeys = QStringLiteral("Ctrl+A");
inline const QString SelectNone = QStringLiteral("Select &None");
inline const QString SelectNoneKeys = QStringLiteral("Ctrl+Shift+A");
inline const QString DropKeys = QStringLiteral("Esc");

inline const QString ViewMenu = QStringLiteral("&View");
inline const QString ZoomIn = QStringLiteral("Zoom &In");
inline const QString ZoomInKeys = QStringLiteral("Ctrl+=");
inline const QString ZoomInOtherKeys = QStringLiteral("Ctrl++");
inline const QString ZoomOut = QStringLiteral("Zoom &Out");
inline const QString ZoomOutKeys = QStringLiteral("Ctrl+-");
inline const QString ActualSize = QStringLiteral("&Actual Size");
inline const QString ActualSizeKeys = QStringLiteral("Ctrl+0");
inline const QString ZoomMenu = QStringLiteral("&Zoom");
inline const QString ShowGrid = QStringLiteral("Show &Grid");
inline const QString ShowGridKeys = QStringLiteral("Ctrl+G");
// A zoom level as the Zoom submenu and the label over the canvas show it.
inline const QString ZoomLevelText = QStringLiteral("%1 %");

inline const QString DrawMenu = QStringLiteral("&Draw");
inline const QString Brush = QStringLiteral("&Brush");
inline const QString BrushKeys = QStringLiteral("B");
inline const QString BucketFill = QStringLiteral("Bucket &Fill");
inline const QString BucketFillKeys = QStringLiteral("F");
inline const QString RectangleFill = QStringLiteral("&Rectangle Fill");
inline const QString RectangleFillKeys = QStringLiteral("P");
inline const QString Select = QStringLiteral("&Select");
inline const QString SelectKeys = QStringLiteral("R");
inline const QString PickTile = QStringLiteral("&Pick Tile");
inline const QString PickTileKeys = QStringLiteral("I");

} // namespace DrawingTexts

// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The texts of the main window's three status panels and of the tile picker's
// caption, and the rules that compose them.
namespace StatusTexts {

inline const QString MapStart = QStringLiteral("Map: Blank Map");
inline const QString SizeStart = QStringLiteral("Map Size");
inline const QString CursorStart = QStringLiteral("Cursor Location");

inline const QString MapPrefix = QStringLiteral("Map: ");
inline const QString SizePrefix = QStringLiteral("Size: ");
inline const QString CursorPrefix = QStringLiteral("Cursor Loc: ");

inline const QString PickerDefaultCaption = QStringLiteral("Using Default TileSet");

// "Map: " followed by a file name or an event ("New map created.").
inline QString mapText(const QString &what)
{
    return MapPrefix + what;
}

// "Size: 40x25": plain decimal, nothing around the "x".
inline QString sizeText(int width, int height)
{
    return SizePrefix + QString::number(width) + QLatin1Char('x') + QString::number(height);
}

// "Cursor Loc: 12, 5".
inline QString cursorText(int column, int row)
{
    return CursorPrefix + QString::number(column) + QStringLiteral(", ") + QString::number(row);
}

// "Using dungeon.bmp TileSet".
inline QString pickerCaption(const QString &fileTitle)
{
    return QStringLiteral("Using ") + fileTitle + QStringLiteral(" TileSet");
}

} // namespace StatusTexts

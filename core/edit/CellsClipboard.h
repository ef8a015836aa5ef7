// SPDX-License-Identifier: MIT
#pragma once

#include "core/state/Stamp.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Cells on the clipboard. Copy puts them there twice: in the editor's own
// form, which keeps the block exactly, and as comma-separated tile numbers
// (the text the command-line tool's CSV export writes), which spreadsheets
// and other tile editors take. Paste reads the editor's form when it is
// there, else any such text, whichever program put it there.
namespace CellsClipboard {

inline const QString MimeType = QStringLiteral("application/x-tesselwick-cells");

// Shown when the clipboard's text is no grid of tile numbers: %1 says why.
inline const QString NotCells =
    QStringLiteral("The clipboard holds no map cells to paste: %1.");
inline const QString LineAndColumn = QStringLiteral("line %1, column %2: %3");
inline const QString Empty = QStringLiteral("the clipboard is empty");

// The editor's form: width and height as two 16-bit little-endian numbers,
// then the tile numbers row by row.
QByteArray encode(const Stamp &stamp);
// An empty stamp when the bytes are not exactly that form.
Stamp decode(QByteArrayView bytes);

QByteArray csvText(const Stamp &stamp);

// What reading a pasted text gave: the cells, or the message that refuses it.
struct Reading
{
    Stamp stamp;
    QString error;
};
Reading fromText(QByteArrayView text);

} // namespace CellsClipboard

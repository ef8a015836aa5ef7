// SPDX-License-Identifier: MIT
#pragma once

#include "cli/MapCells.h"

#include <QByteArray>
#include <QString>

// Maps as source code for a game's build: assembler data and a C array. The
// name (usually the map file's) is turned into an identifier both languages
// accept.
namespace SourceFormats {

// Letters, digits and underscores only, not starting with a digit: "level 2"
// becomes "level_2", "2nd" becomes "_2nd".
QString identifier(const QString &name);

// A comment naming the map and its size, the label, then one ".byte" line of
// hexadecimal values per row.
QByteArray writeAssembler(const MapCells &map, const QString &name);

// NAME_WIDTH and NAME_HEIGHT defines and a const unsigned char array of the
// cells, one line per row.
QByteArray writeC(const MapCells &map, const QString &name);

} // namespace SourceFormats

// SPDX-License-Identifier: MIT
#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

// The names of exported data (labels, arrays, macros), which every dialect
// and C and C++ must take as an ordinary name of their own.
namespace SymbolNames {

// Put before a name made from a file name that is not safe as it stands.
inline const QString Prefix = QStringLiteral("map_");

// The names each toolchain keeps for itself, by the name of its list in
// cli/names: "c" (C and C++ keywords and the C17 library), "posix", "cc65",
// "sdcc" and one per assembler. A name on any of them is unsafe everywhere,
// so that one map gets the same name in every format.
const QMap<QString, QStringList> &reservedByToolchain();

// Letters, digits and underscores are kept, anything else (and a run of
// them) becomes one underscore. A result that is on a list of
// reservedByToolchain() (in any case), that starts with a digit or an
// underscore, or is empty, gets Prefix: "level 2-b" is "level_2_b", "2nd
// level" "map_2nd_level", "int" "map_int", "a" "map_a", "index" "map_index".
QString fromFileName(const QString &name);

// Why a name given on the command line cannot serve; empty when it can.
QString problemWith(const QString &name);

} // namespace SymbolNames

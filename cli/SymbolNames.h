// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The names of exported data (labels, arrays, macros), which every dialect
// and C and C++ must take as an ordinary name of their own.
namespace SymbolNames {

// Put before a name made from a file name that is not safe as it stands.
inline const QString Prefix = QStringLiteral("map_");

// Letters, digits and underscores are kept, anything else (and a run of
// them) becomes one underscore. A result that is a keyword of C or C++, a
// register, instruction or directive name of the 6502, Z80 or SM83 (in any
// case), that starts with a digit or an underscore, or is empty, gets
// Prefix: "level 2-b" is "level_2_b", "2nd level" "map_2nd_level", "int"
// "map_int", "a" "map_a".
QString fromFileName(const QString &name);

// Why a name given on the command line cannot serve; empty when it can.
QString problemWith(const QString &name);

} // namespace SymbolNames

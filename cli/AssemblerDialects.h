// SPDX-License-Identifier: MIT
#pragma once

#include "cli/SourceFormats.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// Assembler source for the assemblers game makers use, each written as that
// assembler takes it with no option: its byte directive, its hex numbers,
// its comments and labels, and what it needs before the first byte.
namespace AssemblerDialects {

inline const QString Ca65 = QStringLiteral("ca65");
inline const QString Tass64 = QStringLiteral("64tass");
inline const QString Acme = QStringLiteral("acme");
inline const QString Dasm = QStringLiteral("dasm");
inline const QString Xa = QStringLiteral("xa");
inline const QString KickAss = QStringLiteral("kickass");
inline const QString Z80 = QStringLiteral("z80");
inline const QString Sdas = QStringLiteral("sdas");
inline const QString Rgbds = QStringLiteral("rgbds");

// An ACME program defines this symbol (any value) before it includes an acme
// file after code of its own, and the data follows that code; without it the
// file sets the program counter to 0, as it needs to assemble on its own.
inline const QString AcmeIncludedSymbol = QStringLiteral("tesselwick_included");

// Every dialect, the default first.
const QStringList &names();

// Why dialect cannot hold data's blocks, or empty when it can: RGBDS puts
// each block in a section of one 16 KiB ROM bank, and refuses a bigger one.
QString problemWith(const SourceFormats::Data &data, const QString &dialect);

// The source in dialect (one of names()): a comment naming the map, then per
// block its label and lines of at most SourceFormats::ValuesPerLine values.
QByteArray write(const SourceFormats::Data &data, const QString &dialect);

} // namespace AssemblerDialects

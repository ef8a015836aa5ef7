// SPDX-License-Identifier: MIT
#pragma once

#include "cli/ExportOptions.h"

#include <QString>
#include <QStringList>

// The names of the formats on the command line, which are also the
// extensions of the files written in them.
namespace Formats {
inline const QString Bmp = QStringLiteral("bmp");
inline const QString Png = QStringLiteral("png");
inline const QString Csv = QStringLiteral("csv");
inline const QString Tmx = QStringLiteral("tmx");
inline const QString Tmj = QStringLiteral("tmj");
inline const QString Asm = QStringLiteral("asm");
inline const QString C = QStringLiteral("c");
inline const QString Bin = QStringLiteral("bin");
} // namespace Formats

// The program's name, which starts each of its messages.
inline const QString ProgramName = QStringLiteral("tesselwick-cli");

// One run of the program, as the command line asks for it.
struct Request
{
    enum class Command { Info, Render, Export, Import };

    Command command = Command::Info;
    QStringList inputs;
    // Where each input's result goes, in the order of inputs (none for info).
    QStringList outputs;
    // The format to write: bmp or png for render, csv, tmx, tmj, asm, c or
    // bin for export; for import the format to read (csv, tmx or tmj), or
    // empty to tell each input's by its name.
    QString format;
    QString tiles;
    // import: the tile layer to read, by name or number; empty for the only
    // one.
    QString layer;
    float zoom = 100.0f;
    // Read maps of any size as the editor does, instead of refusing them.
    bool lenient = false;
    int jobs = 1;
    ExportOptions exportOptions;
};

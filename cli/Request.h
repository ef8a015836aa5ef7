// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

// The names of the formats on the command line, which are also the
// extensions of the files written in them.
namespace Formats {
inline const QString Bmp = QStringLiteral("bmp");
inline const QString Png = QStringLiteral("png");
inline const QString Csv = QStringLiteral("csv");
inline const QString Tmx = QStringLiteral("tmx");
inline const QString Asm = QStringLiteral("asm");
inline const QString C = QStringLiteral("c");
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
    // The format to write: bmp or png for render, csv, tmx, asm or c for
    // export, the format to read (csv or tmx) for import.
    QString format;
    QString tiles;
    float zoom = 100.0f;
    // Read maps of any size as the editor does, instead of refusing them.
    bool lenient = false;
    int jobs = 1;
};

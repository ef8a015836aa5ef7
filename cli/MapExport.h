// SPDX-License-Identifier: MIT
#pragma once

#include "cli/ExportOptions.h"
#include "cli/Failure.h"
#include "cli/MapCells.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

// The files one map exports to, laid out and written in memory: the work of
// export between reading the map and writing files.
namespace MapExport {

struct File
{
    QString path;
    QByteArray bytes;
};

struct Files
{
    std::vector<File> files;
    // Said on standard error while the export still succeeds.
    QString warning;
};

// The Tiled maps' tile sheet picture, beside the first of them.
QString sheetPathFor(const QString &output);

// The files an export to output writes (the tile sheet included) whose
// names are known before the map is read: all but the numbered screens,
// whose number depends on the map's size. None for standard output.
QStringList namedPaths(const QString &format, const ExportOptions &options, const QString &output);

// Lays out cells (of the map file mapName) as options ask and writes them in
// format to output: one file, or for csv, tmx and tmj with screens one per
// screen (output's name with _0, _1, ... before its extension), and for c the
// .h beside the .c unless output is standard output. A failure names no file.
Outcome<Files> build(const MapCells &cells, const QString &format, const ExportOptions &options,
                     const QString &mapName, const QString &output);

} // namespace MapExport

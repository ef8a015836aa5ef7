// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArrayView>
#include <QString>

// What a file given by its name (on the command line, dropped on a window)
// is opened as: a map, as Load Map would, or a picture for the tile set, as
// Load Tiles would.
namespace OpenedFileKind {

enum class Kind { Map, Picture };

// A map when the name ends in ".map" or ".prg" (any case), the names Load Map
// lists, or when the file starts with FE 4F, the two bytes the editor's own
// maps start with; any other file is offered as a picture, which refuses
// what no picture format reads.
Kind of(const QString &fileName, QByteArrayView firstBytes);

// The same for a file on disk. A pipe or a device is judged by its name
// alone: reading it could wait for good.
Kind ofFile(const QString &path);

} // namespace OpenedFileKind

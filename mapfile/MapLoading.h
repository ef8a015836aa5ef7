// SPDX-License-Identifier: MIT
#pragma once

#include "core/files/FileResult.h"

#include <QSize>
#include <QString>

class EditorState;

namespace MapFile {

struct Contents;

// Load Map: reads the file at path whole and only then puts it in use
// (applyLoadedMap) and names the file in the map panel ("Map: forest.map").
// A file that cannot be read fails with the reason and leaves the editor as
// it was. A load is one "Load Map" step of the undo history.
FileResult load(EditorState &state, const QString &path);

// Puts a read map in use: the four bytes and the whole grid, the working size
// and the canvas, a full redraw from the tile sheet and the size status
// panel. Leaves the selection, the brush and the other panels alone.
// Recorded as a "Load Map" step of the undo history.
//
// A width byte of 255 means the full 256 x 128 grid, while the canvas is
// 4096 pixels wide and as tall as the height byte says plus one row
// (height byte x 16 + 16). Any other width byte is the width and the height
// byte the height, clamped into the grid: a width or height of 0, or more
// rows than the grid has, would leave painting, scrolling and the preview
// outside it. The canvas then matches the clamped size. The bytes themselves
// are never changed, so a file saves back exactly as it was read.
void applyLoadedMap(EditorState &state, const Contents &contents);

// Puts a map back at the size it had in the editor, where the bytes alone
// would give another: a map made 255 columns wide carries the width byte of
// the whole grid. Otherwise as applyLoadedMap; size must fit the grid.
void applyRecoveredMap(EditorState &state, const Contents &contents, QSize size);

} // namespace MapFile

// SPDX-License-Identifier: MIT
#pragma once

#include "core/SizeFieldCheck.h"

#include <QString>

class EditorState;

// The whole-map commands' work on the editor state: a new blank map, a
// resize, and filling every cell with the selected tile. Like the shared
// routines they draw into the canvas and leave the repaint to its views.
namespace MapCommands {

inline const QString NewMapCreated = QStringLiteral("New map created.");
inline const QString MapResized = QStringLiteral("Map Resized");

inline const QString ClearMapPrompt =
    QStringLiteral("Are you sure you want to clear the map? (There is no Undo) ");
inline const QString ClearMapTitle = QStringLiteral("WARNING!!");

using SizeFieldCheck::MapSize;

// Makes a blank map of the given size: all 32,768 cells become 0 whatever the
// size, the canvas takes the size and shows tile 0 everywhere, and the status
// bar reports the new map and its size.
void applyNewMap(EditorState &state, MapSize size);

// Changes the map size and nothing of the grid: cells beyond a smaller size
// keep their tiles and belong to the map again when it grows. The canvas keeps
// the picture of the cells it still shows and draws the cells a growing size
// uncovers from the grid, so it always shows what the grid holds.
void applyResize(EditorState &state, MapSize size);

// Copies the brush into every cell of the canvas and stores SelectedTile in
// all 32,768 cells of the grid, inside and outside the map.
void fillMap(EditorState &state);

} // namespace MapCommands

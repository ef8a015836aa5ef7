// SPDX-License-Identifier: MIT
#pragma once

#include "core/edit/SizeFieldCheck.h"

#include <QString>

class EditorState;

// The edit functions: every change to the grid, the map size, the header
// bytes or the tile sheet goes through one of these, and windows only call
// them. They draw into the canvas and leave the repaint to its views; the
// canvas always shows what the grid's cells and the sheet in use draw. Each
// change is recorded as a step of the undo history (core/history/EditHistory.h),
// apart from the start-up state, which begins the history afresh.
//   MapCommands::resetToStartUp   start-up map, size, bytes and selection
//   MapCommands::applyNewMap      New Map: blank grid at a new size
//   MapCommands::applyResize      Resize Map: new size, grid kept
//   MapCommands::fillMap          Fill Map: every cell the selected tile
//   MapCommands::clearMap         Clear Map: every cell tile 0
//   Painting::paintTick/paintLine the brush (a tile or a stamp) along a stroke
//   TilePicking::pickTile         the tile to paint with (selection, brush)
//   TileSetFile::useTileSheet     a new tile sheet, map redrawn with it
//   TileSetFile::useBuiltInSheet  the built-in sheet, before the first drawing
//   CellEdits (CellEdits.h)       bucket and rectangle fill, paste, cut, delete
//   ReplaceTile::replaceAll       every cell of one tile becomes another
//   MapFile::applyLoadedMap       a map read from a file (MapLoading.h)
//   MapFile::load                 Load Map: read, decode and apply a file
//   TileBudget::importPicture     a picture cut into a map and its sheet
//   TileBudget::replaceTile       every map cell of one tile becomes another
//   TileBudget::compactTiles      used tiles to the front of the sheet
namespace MapCommands {

inline const QString NewMapCreated = QStringLiteral("New map created.");
inline const QString MapResized = QStringLiteral("Map Resized");

using SizeFieldCheck::MapSize;

// Puts the editor in its start-up state: the 255 x 127 map of the FE 4F
// header, blank, with tile 0 selected and in the brush, and no stamp.
void resetToStartUp(EditorState &state);

// Clear Map: a blank map of tile 0 at the current size.
void clearMap(EditorState &state);

// Makes a blank map of the given size: all 32,768 cells become 0 whatever the
// size, the canvas takes the size and shows tile 0 everywhere, and the status
// bar reports the new map and its size. The new map counts as saved.
void applyNewMap(EditorState &state, MapSize size);

// Changes the map size and nothing of the grid: cells beyond a smaller size
// keep their tiles and belong to the map again when it grows. The canvas keeps
// the picture of the cells it still shows and draws the cells a growing size
// uncovers from the grid, so it always shows what the grid holds.
void applyResize(EditorState &state, MapSize size);

// Stores selectedTile in all 32,768 cells of the grid, inside and outside
// the map, and draws it from the sheet in use into every cell of the canvas.
void fillMap(EditorState &state);

} // namespace MapCommands

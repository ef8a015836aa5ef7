// SPDX-License-Identifier: MIT
#pragma once

#include "core/history/EditHistory.h"
#include "core/render/TileGeometry.h"

#include <QRect>
#include <QString>

#include <array>
#include <cstdint>

class EditorState;

namespace PictureImport {
struct Plan;
}

// The names of the tile budget's steps in the Edit menu; Replace Tile is
// named beside the other steps' names.
namespace StepNames {
inline const QString ImportPicture = QStringLiteral("Import Picture");
inline const QString CompactTiles = QStringLiteral("Compact Tiles");
} // namespace StepNames

// The edit functions of the tile budget, each one step of the undo history,
// and the rules they follow.
//   TileBudget::importPicture  a picture's map and sheet in place of both
//   TileBudget::replaceTile    every map cell of one tile becomes another
//   TileBudget::compactTiles   used tiles to the front of the sheet
namespace TileBudget {

using Counts = std::array<int, Tiles::TileCount>;
// A new number for each old tile number.
using Renumbering = std::array<std::uint8_t, Tiles::TileCount>;

// The map's own cells that the canvas shows, from the top-left corner: the
// map's size within the canvas (a map of the full-width byte covers the
// whole grid, while its canvas shows only the rows its height byte gives).
// These are the cells the counts, Find, Replace and Compact look at.
QRect mapCells(const EditorState &state);

// How many of the map's cells hold each tile.
Counts countUses(const EditorState &state);

// Puts the planned map and sheet in use: header bytes FE 4F, the picture's
// size, its cells with tile 0 in every cell outside it, the sheet, and the
// canvas drawn anew; the picker's caption names the picture, and the
// preview shows the selected tile of the new sheet. One step.
void importPicture(EditorState &state, const PictureImport::Plan &plan, const QString &fileTitle);

// Every map cell of tile from becomes tile to: Replace Tile
// (ReplaceTile::replaceAll) over the cells above. One step; returns false
// and records nothing when no cell changes (from equal to to, or no cell
// holds from).
bool replaceTile(EditorState &state, int from, int to);

// The renumbering Compact makes: the tiles the map uses, in the order of
// their first use reading the map row by row, then the others in their
// order.
Renumbering compactOrder(const EditorState &state);

// Moves the used tiles to the front of the sheet (compactOrder) and
// renumbers all 32,768 cells, the selected tile and a stamp in use to
// match, so the canvas and the brush stay exactly as they are and cells
// outside the map keep their meaning. One step; returns false and records
// nothing when the sheet is compact already.
bool compactTiles(EditorState &state);

} // namespace TileBudget

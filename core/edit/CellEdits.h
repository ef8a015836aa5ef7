// SPDX-License-Identifier: MIT
#pragma once

#include "core/state/Stamp.h"

#include <QPoint>
#include <QRect>

class EditorState;

// The edit functions of the drawing tools. Each stores inside the map only
// (mapWidth x mapHeight from cell 0, 0; cells outside keep their bytes),
// records one step of the undo history (core/edit/CellsStep.h) and returns
// whether anything changed; an edit that changes no cell records nothing.
// Cells are QPoint(column, row), rectangles of cells QRect in cell units,
// and a null QRect selection means the whole map (core/state/CellRect.h).
//   CellEdits::bucketFill     Bucket Fill: a 4-connected region
//   CellEdits::fillRectangle  Rectangle Fill: a rectangle of cells
//   CellEdits::pasteStamp     Paste: a block placed at a cell
//   CellEdits::deleteCells    Delete: a selection to tile 0
//   CellEdits::cutCells       Cut: a selection copied, then to tile 0
//   CellEdits::copyCells      Copy: a selection's cells as a stamp (no edit)
//   ReplaceTile::replaceAll   Replace Tile: every cell of one tile (ReplaceTile.h)
// Painting with a stamp along a stroke is Painting::paintTick/paintLine.
namespace CellEdits {

// Fills the region of cells holding the tile of `cell` that is 4-connected
// to it (FillRegion::cells), inside the selection when there is one, else
// inside the map, with the stamp repeated, its top-left tile on `cell`.
// A click outside the area fills nothing.
bool bucketFill(EditorState &state, QPoint cell, const Stamp &stamp, const QRect &selection = {});

// Fills the cells of the rectangle inside the map with the stamp repeated,
// its top-left tile on the rectangle's top-left cell.
bool fillRectangle(EditorState &state, const QRect &cells, const Stamp &stamp);

// Places the stamp with its top-left tile on topLeft, which may lie outside
// the map; only the part that falls inside the map is stored.
bool pasteStamp(EditorState &state, QPoint topLeft, const Stamp &stamp);

// Sets the cells of the rectangle inside the map to tile 0.
bool deleteCells(EditorState &state, const QRect &cells);

// The cells of the rectangle inside the map as a stamp; empty when the
// rectangle holds no cell of the map.
Stamp copyCells(const EditorState &state, const QRect &cells);

// Copies the cells (copyCells) and then sets them to tile 0 as one step,
// named Cut. Returns the copy.
Stamp cutCells(EditorState &state, const QRect &cells);

} // namespace CellEdits

// SPDX-License-Identifier: MIT
#pragma once

#include "core/state/EditorState.h"

#include <QPoint>
#include <QRect>

#include <algorithm>

// Rectangles of map cells: a QRect in cell units (x = column, y = row,
// width and height in cells), as selections, rectangle fills and stamp
// placements use them. A null QRect stands for "no selection".
namespace CellRect {

// The cells between two corner cells, both included, in either order.
inline QRect between(QPoint a, QPoint b)
{
    return QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                 QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y())));
}

// Every cell of the map: mapWidth x mapHeight from cell 0, 0.
inline QRect mapArea(const EditorState &state)
{
    return QRect(0, 0, state.mapWidth, state.mapHeight);
}

// The part of a rectangle inside the map; empty when none is.
inline QRect insideMap(const EditorState &state, const QRect &cells)
{
    return cells.intersected(mapArea(state));
}

// Where an edit may store: the map, or the part of a selection inside it
// when there is a selection (a non-null rectangle).
inline QRect editArea(const EditorState &state, const QRect &selection)
{
    return selection.isNull() ? mapArea(state) : insideMap(state, selection);
}

} // namespace CellRect

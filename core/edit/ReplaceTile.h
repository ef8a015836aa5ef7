// SPDX-License-Identifier: MIT
#pragma once

#include "core/state/Stamp.h"

#include <QPoint>
#include <QRect>

#include <cstdint>

class EditorState;

// Replace Tile: every cell of one tile, wherever it is, becomes another
// tile. Inside the map only, or inside a selection (a non-null QRect of
// cells); one step of the undo history, nothing recorded when no cell
// changes (no cell holds `from`, or `from` becomes itself).
namespace ReplaceTile {

bool replaceAll(EditorState &state, std::uint8_t from, std::uint8_t to,
                const QRect &selection = {});

// The same with a stamp repeated, its top-left tile on anchor (the clicked
// cell of a Shift+click bucket fill).
bool replaceAll(EditorState &state, std::uint8_t from, const Stamp &with, QPoint anchor,
                const QRect &selection = {});

} // namespace ReplaceTile

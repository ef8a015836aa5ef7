// SPDX-License-Identifier: MIT
#pragma once

#include "host/Host.h"

#include <QString>

class EditorState;

// The Tools menu's Load Tiles: asks for a picture file and makes it the tile
// sheet, redrawing the map with the new tiles and naming the file in the
// picker's caption. A file that holds no readable picture, or a picture too
// large to be a tile set, is refused with a message and changes nothing. A
// file that cannot be opened is reported and the dialog offered once more.
void loadTileSet(EditorState &state, Host host);

// Loads the picture file at path as Load Tiles loads the one chosen, with the
// same messages; a file that cannot be opened is reported only.
void loadTileSetAt(EditorState &state, Host host, const QString &path);

// SPDX-License-Identifier: MIT
#pragma once

#include "host/Host.h"

class EditorState;

// The File menu's Import Picture: asks for a PNG or BMP picture and makes it
// the map and the tile sheet. A picture of more than 256 different tiles is
// imported only when the user agrees to merge similar tiles; a refused
// picture is reported and changes nothing. Returns whether the map changed.
bool importPictureFile(EditorState &state, Host host);

// The File menu's Save Tiles: writes the sheet in use as PNG or BMP.
void saveTileSheet(const EditorState &state, Host host);

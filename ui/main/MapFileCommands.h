// SPDX-License-Identifier: MIT
#pragma once

#include "host/Host.h"

class EditorState;

// The File menu's Load Map and Save Map. Both ask for a file with the main
// window's shared dialog; neither keeps a current file name.

// Asks for a map file and loads it (MapFile::load). A file that cannot be
// read is reported with its name and the reason, and the editor stays as it
// was. Returns whether a map was loaded, so the caller can bring the view
// back to the top-left corner.
bool loadMapFile(EditorState &state, Host host);

// Asks for a file name and saves the map there atomically. A failed save is
// reported with the file's name and the reason; any earlier file of that
// name is left as it was.
void saveMapFile(const EditorState &state, Host host);

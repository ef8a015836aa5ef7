// SPDX-License-Identifier: MIT
#pragma once

#include "host/Host.h"

#include <QString>

class EditorState;

// The File menu's Load Map and Save Map. Both ask for a file with the main
// window's shared dialog; neither keeps a current file name. After either
// succeeded, the dialog's fileName names the file, and the map counts as
// saved until it changes again.

// Asks for a map file and loads it (MapFile::load). A file that cannot be
// read is reported with its name and the reason, and the editor stays as it
// was. Returns whether a map was loaded, so the caller can bring the view
// back to the top-left corner.
bool loadMapFile(EditorState &state, Host host);

// Loads the map file at path as Load Map loads the one chosen, with the same
// message for a file that cannot be read.
bool loadMapFileAt(EditorState &state, Host host, const QString &path);

// Asks for a file name and saves the map there atomically. A failed save is
// reported with the file's name and the reason; any earlier file of that
// name is left as it was. Returns whether the map was saved.
bool saveMapFile(EditorState &state, Host host);

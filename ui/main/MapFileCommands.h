// SPDX-License-Identifier: MIT
#pragma once

#include "host/Host.h"

class EditorState;
class MainWindow;

// The File menu's Load Map and Save Map. Both ask for a file with the main
// window's shared dialog; neither keeps a current file name.

// Asks for a map file, reads it whole and only then puts it in use: bytes,
// grid, sizes, canvas, a full redraw, status panels 1 and 2 and the view back
// at the top-left corner. A file that cannot be read is reported with its
// name and the reason, and the editor stays as it was.
void LoadMapFile(EditorState &state, Host host, MainWindow &window);

// Asks for a file name and saves the map there atomically. A failed save is
// reported with the file's name and the reason; any earlier file of that
// name is left as it was.
void SaveMapFile(const EditorState &state, Host host);

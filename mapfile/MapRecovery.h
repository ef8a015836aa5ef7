// SPDX-License-Identifier: MIT
#pragma once

#include "core/files/RecoveryCopy.h"

class EditorState;
class QImage;

// Between the editor's state and a recovery copy's contents.
namespace MapRecovery {

// What a copy of the state holds now. The tile sheet goes in only when it is
// not startSheet, the one the editor started with.
RecoveryCopy::Contents capture(const EditorState &state, const QImage &startSheet);

// Puts a copy's map back as one "Load Map" step at the size it had (and its
// tile sheet, when it has one, as a "Load Tiles" step), with the panel and
// caption texts and the selected tile it had, as far as the copy keeps them.
// The map stays unsaved: nothing on disk holds it.
void restore(EditorState &state, const RecoveryCopy::Contents &contents);

} // namespace MapRecovery

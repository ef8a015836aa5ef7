// SPDX-License-Identifier: MIT
#pragma once

#include "host/Host.h"

#include <QString>

#include <functional>

class EditorState;

// The question asked before a changed map is replaced or the editor ends, so
// that work is never lost without a word.
namespace UnsavedChanges {

inline const QString Prompt =
    QStringLiteral("The map has unsaved changes.\nDo you want to save them?");

// Where Qt puts the modified mark ("*") in a window title: nowhere while the
// map is unchanged, so the title at start reads as it always did.
inline const QString TitleMark = QStringLiteral("[*]");

// Returns whether the caller may go on. A map without unsaved changes goes
// on without a question. Otherwise Save, Discard and Cancel are offered in a
// box with the program's title: Save goes on only once save() reports the map
// saved, so a cancelled or failed save cancels as Cancel (and Esc) does, and
// the map stays as it was.
bool settle(const EditorState &state, MessageBox &messageBox, const std::function<bool()> &save);

} // namespace UnsavedChanges

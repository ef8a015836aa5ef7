// SPDX-License-Identifier: MIT
#include "ui/main/UnsavedChanges.h"

#include "core/state/EditorState.h"
#include "host/MessageBox.h"

namespace UnsavedChanges {

bool settle(const EditorState &state, MessageBox &messageBox, const std::function<bool()> &save)
{
    if (!state.history.hasUnsavedChanges())
        return true;
    switch (messageBox.show(Prompt, MessageBox::Buttons::SaveDiscardCancel)) {
    case MessageBox::Answer::Save:
        return save();
    case MessageBox::Answer::Discard:
        return true;
    default:
        return false;
    }
}

} // namespace UnsavedChanges

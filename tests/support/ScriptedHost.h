// SPDX-License-Identifier: MIT
#pragma once

#include "host/Host.h"
#include "tests/support/ScriptedFileDialog.h"
#include "tests/support/ScriptedHelpViewer.h"
#include "tests/support/ScriptedMessageBox.h"
#include "tests/support/ScriptedUrlOpener.h"

// Every host operation with a scripted user behind it, for window tests.
struct ScriptedHost
{
    ScriptedFileDialog fileDialog;
    ScriptedMessageBox messageBox;
    ScriptedHelpViewer help;
    ScriptedUrlOpener urlOpener;

    Host host() { return Host{fileDialog, messageBox, help, urlOpener}; }
};

// SPDX-License-Identifier: MIT
// The scripted host doubles are header-only; this unit gives the library a body.
#include "tests/support/ScriptedFileDialog.h"
#include "tests/support/ScriptedHelpViewer.h"
#include "tests/support/ScriptedHost.h"
#include "tests/support/ScriptedMessageBox.h"
#include "tests/support/ScriptedUrlOpener.h"

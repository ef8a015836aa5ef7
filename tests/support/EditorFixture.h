// SPDX-License-Identifier: MIT
#pragma once

#include "core/state/EditorState.h"
#include "tests/support/ScriptedHost.h"
#include "ui/main/MainWindow.h"

#include <QAction>

// A whole editor at start-up with a scripted user: the shared state, the
// host doubles and the main window (which builds the tile picker when asked).
struct EditorFixture
{
    EditorState state;
    ScriptedHost host;
    MainWindow window{state, host.host()};

    template <typename T = QWidget> T *find(const char *objectName) const
    {
        return window.findChild<T *>(QLatin1String(objectName));
    }

    void trigger(const char *menuItem) const { find<QAction>(menuItem)->trigger(); }
};

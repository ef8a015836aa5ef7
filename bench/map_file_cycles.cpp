// SPDX-License-Identifier: MIT
// Resident memory over many Load Map + Save Map cycles through the editor's
// real main window, file dialog and message box (each dialog answered as
// soon as it shows). Prints the resident size every 100 cycles; run it under
// heaptrack to see where memory goes.
// Usage: map_file_cycles [cycles]   (QT_QPA_PLATFORM=offscreen or a display)
#include "core/EditorState.h"
#include "host/QtFileDialog.h"
#include "host/QtMessageBox.h"
#include "tests/support/ModalAnswerer.h"
#include "tests/support/ScriptedUrlOpener.h"
#include "ui/about/HelpWindow.h"
#include "ui/main/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

namespace {

double residentMiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').constFirst().toDouble() / 1024;
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const int cycles = argc > 1 ? QByteArray(argv[1]).toInt() : 2000;
    QTemporaryDir dir;
    const QString map = dir.filePath(QStringLiteral("cycle.map"));

    EditorState state;
    QtFileDialog fileDialog;
    QtMessageBox messageBox;
    HelpWindow help;
    ScriptedUrlOpener urlOpener;
    MainWindow window(state, Host{fileDialog, messageBox, help, urlOpener});
    window.show();
    ModalAnswerer answerer;
    QAction *load = window.findChild<QAction *>(QStringLiteral("loadMapAction"));
    QAction *save = window.findChild<QAction *>(QStringLiteral("saveMapAction"));

    answerer.fileNames = {map};
    save->trigger();
    std::printf("cycle %5d: %.1f MiB resident\n", 0, residentMiB());
    for (int cycle = 1; cycle <= cycles; ++cycle) {
        answerer.fileNames = {map, map};
        load->trigger();
        save->trigger();
        if (cycle % 100 == 0) {
            std::printf("cycle %5d: %.1f MiB resident\n", cycle, residentMiB());
            std::fflush(stdout);
        }
    }
    return 0;
}

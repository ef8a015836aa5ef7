// SPDX-License-Identifier: MIT
#include "ui/main/MapFileCommands.h"

#include "core/EditorState.h"
#include "core/StatusTexts.h"
#include "host/FileDialog.h"
#include "host/MessageBox.h"
#include "mapfile/MapFileFormat.h"
#include "mapfile/MapFileIO.h"
#include "mapfile/MapLoading.h"
#include "ui/main/MainWindow.h"

#include <QDir>

namespace {

const QString LoadTitle = QStringLiteral("Load Map");
const QString SaveTitle = QStringLiteral("Save Map");
const QString MapFilter = QStringLiteral("MAP Files (.map, .prg)|*.map;*.prg|");
const QString LoadFailed = QStringLiteral("The map file %1 could not be loaded: %2.");
const QString SaveFailed =
    QStringLiteral("The map file %1 could not be saved: %2.\nAny earlier file of that name "
                   "is unchanged.");

// Presets the shared dialog as both commands want it; the flags and the
// filter index stay as an earlier command left them.
void prepareDialog(FileDialog &dialog, const QString &title)
{
    dialog.FileName.clear();
    dialog.DialogTitle = title;
    dialog.Filter = MapFilter;
}

void reportFailure(Host host, const QString &message, const QString &path, const QString &reason)
{
    host.messageBox.MsgBox(message.arg(QDir::toNativeSeparators(path), reason), MessageBox::Ok);
}

} // namespace

void LoadMapFile(EditorState &state, Host host, MainWindow &window)
{
    FileDialog &dlg1 = host.dlg1;
    prepareDialog(dlg1, LoadTitle);
    dlg1.ShowOpen();
    if (dlg1.FileName.isEmpty())
        return;

    QByteArray bytes;
    QString reason;
    if (!MapFile::read(dlg1.FileName, &bytes, &reason)) {
        reportFailure(host, LoadFailed, dlg1.FileName, reason);
        return;
    }
    MapFile::apply(state, MapFile::decode(bytes));
    state.setStatusText(EditorState::MapPanel, StatusTexts::mapText(dlg1.FileTitle));
    window.scrollHome();
}

void SaveMapFile(const EditorState &state, Host host)
{
    FileDialog &dlg1 = host.dlg1;
    prepareDialog(dlg1, SaveTitle);
    dlg1.ShowSave();
    if (dlg1.FileName.isEmpty())
        return;

    QString reason;
    if (!MapFile::save(dlg1.FileName, MapFile::encode(state), &reason))
        reportFailure(host, SaveFailed, dlg1.FileName, reason);
}

// SPDX-License-Identifier: MIT
#include "ui/main/MapFileCommands.h"

#include "core/EditorState.h"
#include "host/FileDialog.h"
#include "host/MessageBox.h"
#include "mapfile/MapFileFormat.h"
#include "mapfile/MapFileIO.h"
#include "mapfile/MapLoading.h"

#include <QDir>

namespace {

const QString LoadTitle = QStringLiteral("Load Map");
const QString SaveTitle = QStringLiteral("Save Map");
const QString MapFilter = QStringLiteral("MAP Files (.map, .prg)|*.map;*.prg|");
const QString SaveFailed =
    QStringLiteral("The map file %1 could not be saved: %2.\nAny earlier file of that name "
                   "is unchanged.");

// Presets the shared dialog as both commands want it; the flags and the
// filter index stay as an earlier command left them.
void prepareDialog(FileDialog &dialog, const QString &title)
{
    dialog.fileName.clear();
    dialog.title = title;
    dialog.filter = MapFilter;
}

void reportFailure(Host host, const QString &message, const QString &path, const QString &reason)
{
    host.messageBox.show(message.arg(QDir::toNativeSeparators(path), reason),
                         MessageBox::Buttons::Ok);
}

} // namespace

bool loadMapFile(EditorState &state, Host host)
{
    FileDialog &fileDialog = host.fileDialog;
    prepareDialog(fileDialog, LoadTitle);
    fileDialog.showOpen();
    if (fileDialog.fileName.isEmpty())
        return false;

    const MapFile::LoadResult result = MapFile::load(state, fileDialog.fileName);
    if (!result.loaded)
        host.messageBox.show(result.message, MessageBox::Buttons::Ok);
    return result.loaded;
}

void saveMapFile(const EditorState &state, Host host)
{
    FileDialog &fileDialog = host.fileDialog;
    prepareDialog(fileDialog, SaveTitle);
    fileDialog.showSave();
    if (fileDialog.fileName.isEmpty())
        return;

    QString reason;
    if (!MapFile::save(fileDialog.fileName, MapFile::encode(state), &reason))
        reportFailure(host, SaveFailed, fileDialog.fileName, reason);
}

// SPDX-License-Identifier: MIT
#include "ui/main/MapFileCommands.h"

#include "core/state/EditorState.h"
#include "host/FileDialog.h"
#include "host/MessageBox.h"
#include "mapfile/MapFileFormat.h"
#include "mapfile/MapFileIO.h"
#include "mapfile/MapLoading.h"
#include "ui/main/MainWindowConstants.h"

namespace {

using namespace MainWindowTexts;

// Presets the shared dialog as both commands want it; the flags and the
// filter index stay as an earlier command left them.
void prepareDialog(FileDialog &dialog, const QString &title)
{
    dialog.fileName.clear();
    dialog.title = title;
    dialog.filter = MapFilter;
}

} // namespace

bool loadMapFile(EditorState &state, Host host)
{
    FileDialog &fileDialog = host.fileDialog;
    prepareDialog(fileDialog, LoadMapDialogTitle);
    fileDialog.showOpen();
    if (fileDialog.fileName.isEmpty())
        return false;
    return loadMapFileAt(state, host, fileDialog.fileName);
}

bool loadMapFileAt(EditorState &state, Host host, const QString &path)
{
    const FileResult loaded = MapFile::load(state, path);
    if (!loaded.succeeded()) {
        host.messageBox.show(loaded.message(LoadMapFailed), MessageBox::Buttons::Ok);
        return false;
    }
    state.history.markSaved();
    return true;
}

bool saveMapFile(EditorState &state, Host host)
{
    FileDialog &fileDialog = host.fileDialog;
    prepareDialog(fileDialog, SaveMapDialogTitle);
    fileDialog.showSave();
    if (fileDialog.fileName.isEmpty())
        return false;

    const FileResult saved = MapFile::save(fileDialog.fileName, MapFile::encode(state));
    if (!saved.succeeded()) {
        host.messageBox.show(saved.message(SaveMapFailed), MessageBox::Buttons::Ok);
        return false;
    }
    state.history.markSaved();
    return true;
}

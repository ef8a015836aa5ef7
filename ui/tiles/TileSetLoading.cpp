// SPDX-License-Identifier: MIT
#include "ui/tiles/TileSetLoading.h"

#include "core/state/EditorState.h"
#include "core/edit/TileSetFile.h"
#include "host/FileDialog.h"
#include "host/MessageBox.h"
#include "ui/tiles/TilePickerConstants.h"

#include <QDir>
#include <QFileInfo>

namespace {

using namespace LoadTilesTexts;

// A file that cannot be opened gets one more go at choosing.
constexpr int Attempts = 2;

enum class Outcome { Done, TryAgain };

Outcome loadPicture(EditorState &state, Host host, const QString &fileName,
                    const QString &fileTitle)
{
    using Status = TileSetFile::Result::Status;
    const TileSetFile::Result read = TileSetFile::read(fileName);
    if (!read.file.succeeded()) {
        host.messageBox.show(read.file.message(CannotOpen), MessageBox::Buttons::Ok);
        return Outcome::TryAgain;
    }
    const QString path = QDir::toNativeSeparators(fileName);
    switch (read.status) {
    case Status::Loaded:
        TileSetFile::useTileSheet(state, read.picture, fileTitle);
        return Outcome::Done;
    case Status::NotAPicture:
        host.messageBox.show(TileSetFile::NotATileSetMessage, MessageBox::Buttons::Ok);
        return Outcome::Done;
    case Status::TooLarge:
        // One arg() call, so a "%" in the path is never taken for a marker.
        host.messageBox.show(TooLarge.arg(path, QString::number(read.size.width()),
                                          QString::number(read.size.height()),
                                          QString::number(Tiles::SheetWidth),
                                          QString::number(Tiles::SheetHeight)),
                             MessageBox::Buttons::Ok);
        return Outcome::Done;
    }
    return Outcome::Done;
}

Outcome attempt(EditorState &state, Host host)
{
    FileDialog &fileDialog = host.fileDialog;
    fileDialog.fileName.clear();
    fileDialog.title = DialogTitle;
    fileDialog.filter = Filter;
    fileDialog.filterIndex = FilterIndex;
    fileDialog.flags = FileDialog::FileMustExist;
    fileDialog.showOpen();
    if (fileDialog.fileName.isEmpty())
        return Outcome::Done;

    return loadPicture(state, host, fileDialog.fileName, fileDialog.fileTitle);
}

} // namespace

void loadTileSetAt(EditorState &state, Host host, const QString &path)
{
    loadPicture(state, host, path, QFileInfo(path).fileName());
}

void loadTileSet(EditorState &state, Host host)
{
    for (int i = 0; i < Attempts; ++i)
        if (attempt(state, host) == Outcome::Done)
            return;
}

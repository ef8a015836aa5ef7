// SPDX-License-Identifier: MIT
#include "ui/tiles/TileSetLoading.h"

#include "core/EditorState.h"
#include "core/TileSetFile.h"
#include "host/FileDialog.h"
#include "host/MessageBox.h"

#include <QDir>

namespace {

const QString DialogTitle = QStringLiteral("Load TileSet");
const QString TileSetFilter = QStringLiteral("Tile Sets (.bmp)|*.bmp|");
constexpr int TileSetFilterIndex = 1;
const QString NotATileSet = QStringLiteral("This is not a TileSet file");
const QString TooLarge =
    QStringLiteral("%1 is %2 x %3 pixels, too large to be a TileSet (a TileSet is %4 x %5).");
const QString CannotOpen = QStringLiteral("The TileSet file %1 could not be opened: %2.");
// A file that cannot be opened gets one more go at choosing.
constexpr int Attempts = 2;

enum class Outcome { Done, TryAgain };

Outcome attempt(EditorState &state, Host host)
{
    FileDialog &fileDialog = host.fileDialog;
    fileDialog.fileName.clear();
    fileDialog.title = DialogTitle;
    fileDialog.filter = TileSetFilter;
    fileDialog.filterIndex = TileSetFilterIndex;
    fileDialog.flags = FileDialog::FileMustExist;
    fileDialog.showOpen();
    if (fileDialog.fileName.isEmpty())
        return Outcome::Done;

    using Status = TileSetFile::Result::Status;
    const TileSetFile::Result read = TileSetFile::read(fileDialog.fileName);
    const QString path = QDir::toNativeSeparators(fileDialog.fileName);
    switch (read.status) {
    case Status::Loaded:
        TileSetFile::useTileSheet(state, read.picture, fileDialog.fileTitle);
        return Outcome::Done;
    case Status::NotAPicture:
        host.messageBox.show(NotATileSet, MessageBox::Buttons::Ok);
        return Outcome::Done;
    case Status::TooLarge:
        // One arg() call, so a "%" in the path is never taken for a marker.
        host.messageBox.show(TooLarge.arg(path, QString::number(read.size.width()),
                                          QString::number(read.size.height()),
                                          QString::number(Tiles::SheetWidth),
                                          QString::number(Tiles::SheetHeight)),
                             MessageBox::Buttons::Ok);
        return Outcome::Done;
    case Status::CannotOpen:
        host.messageBox.show(CannotOpen.arg(path, read.reason), MessageBox::Buttons::Ok);
        return Outcome::TryAgain;
    }
    return Outcome::Done;
}

} // namespace

void loadTileSet(EditorState &state, Host host)
{
    for (int i = 0; i < Attempts; ++i)
        if (attempt(state, host) == Outcome::Done)
            return;
}

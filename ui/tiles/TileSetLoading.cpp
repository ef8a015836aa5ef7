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
    FileDialog &dlg1 = host.dlg1;
    dlg1.FileName.clear();
    dlg1.DialogTitle = DialogTitle;
    dlg1.Filter = TileSetFilter;
    dlg1.FilterIndex = TileSetFilterIndex;
    dlg1.Flags = FileDialog::FileMustExist;
    dlg1.ShowOpen();
    if (dlg1.FileName.isEmpty())
        return Outcome::Done;

    using Status = TileSetFile::Result::Status;
    const TileSetFile::Result read = TileSetFile::read(dlg1.FileName);
    const QString path = QDir::toNativeSeparators(dlg1.FileName);
    switch (read.status) {
    case Status::Loaded:
        TileSetFile::use(state, read.picture, dlg1.FileTitle);
        return Outcome::Done;
    case Status::NotAPicture:
        host.messageBox.MsgBox(NotATileSet, MessageBox::Ok);
        return Outcome::Done;
    case Status::TooLarge:
        // One arg() call, so a "%" in the path is never taken for a marker.
        host.messageBox.MsgBox(TooLarge.arg(path, QString::number(read.size.width()),
                                            QString::number(read.size.height()),
                                            QString::number(Tiles::SheetWidth),
                                            QString::number(Tiles::SheetHeight)),
                               MessageBox::Ok);
        return Outcome::Done;
    case Status::CannotOpen:
        host.messageBox.MsgBox(CannotOpen.arg(path, read.reason), MessageBox::Ok);
        return Outcome::TryAgain;
    }
    return Outcome::Done;
}

} // namespace

void LoadTileSet(EditorState &state, Host host)
{
    for (int i = 0; i < Attempts; ++i)
        if (attempt(state, host) == Outcome::Done)
            return;
}

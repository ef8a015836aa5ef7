// SPDX-License-Identifier: MIT
#include "ui/tiles/PictureImporting.h"

#include "core/state/EditorState.h"
#include "core/tiles/PictureImport.h"
#include "core/tiles/PictureTiles.h"
#include "core/tiles/SheetFile.h"
#include "core/tiles/TileBudget.h"
#include "host/FileDialog.h"
#include "host/MessageBox.h"
#include "ui/tiles/TileBudgetConstants.h"

#include <QDir>
#include <QFileInfo>

using namespace TileBudgetTexts;

bool importPictureFile(EditorState &state, Host host)
{
    FileDialog &fileDialog = host.fileDialog;
    fileDialog.fileName.clear();
    fileDialog.title = ImportDialogTitle;
    fileDialog.filter = PictureFilter;
    fileDialog.filterIndex = 1;
    fileDialog.flags = FileDialog::FileMustExist;
    fileDialog.showOpen();
    if (fileDialog.fileName.isEmpty())
        return false;

    const PictureImport::Picture picture = PictureImport::read(fileDialog.fileName);
    if (picture.status == PictureImport::Picture::Status::CannotOpen) {
        host.messageBox.show(picture.file.message(CannotOpen));
        return false;
    }
    if (picture.status != PictureImport::Picture::Status::Loaded) {
        // One arg() call, so a "%" in the path is never taken for a marker.
        host.messageBox.show(PictureRefused.arg(QDir::toNativeSeparators(fileDialog.fileName),
                                                picture.problem()));
        return false;
    }
    const PictureTiles::Cut cut = PictureTiles::cut(picture.image);
    std::optional<PictureImport::Plan> plan = PictureImport::plan(cut, false);
    if (!plan) {
        const QString tooMany = PictureImport::TooManyTilesMessage.arg(cut.distinctCount());
        if (host.messageBox.show(MergeQuestion.arg(tooMany), MessageBox::Buttons::YesNo) !=
            MessageBox::Answer::Yes)
            return false;
        plan = PictureImport::plan(cut, true);
    }
    TileBudget::importPicture(state, *plan, fileDialog.fileTitle);
    if (plan->merged)
        host.messageBox.show(plan->mergedText());
    return true;
}

void saveTileSheet(const EditorState &state, Host host)
{
    FileDialog &fileDialog = host.fileDialog;
    fileDialog.fileName.clear();
    fileDialog.title = SaveTilesDialogTitle;
    fileDialog.filter = SheetFilter;
    fileDialog.filterIndex = 1;
    fileDialog.flags = 0;
    fileDialog.showSave();
    if (fileDialog.fileName.isEmpty())
        return;
    QString path = fileDialog.fileName;
    // A name without the picture's extension gets the one of the chosen
    // filter, so the file says what it holds.
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != PngSuffix.mid(1) && suffix != BmpSuffix.mid(1))
        path += fileDialog.filterIndex == 2 ? BmpSuffix : PngSuffix;
    const FileResult saved = SheetFile::write(state.tileSheet.image(), path);
    if (!saved.succeeded())
        host.messageBox.show(saved.message(SaveTilesFailed));
}

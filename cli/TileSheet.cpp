// SPDX-License-Identifier: MIT
#include "cli/TileSheet.h"

#include "core/edit/TileSetFile.h"
#include "resources/BuiltInArt.h"

namespace TileSheet {

QImage builtIn()
{
    return builtInPicture(TileSetFile::BuiltInSheetResource);
}

bool read(const QString &path, QImage *sheet, QString *error)
{
    TileSetFile::Result result = TileSetFile::read(path);
    if (!result.file.succeeded()) {
        *error = result.file.reason();
        return false;
    }
    switch (result.status) {
    case TileSetFile::Result::Status::Loaded:
        *sheet = std::move(result.picture);
        return true;
    case TileSetFile::Result::Status::NotAPicture:
        *error = TileSetFile::NotATileSetMessage;
        break;
    case TileSetFile::Result::Status::TooLarge:
        *error = QStringLiteral("the picture is %1 x %2 pixels, more than a tile set may have")
                     .arg(result.size.width())
                     .arg(result.size.height());
        break;
    }
    return false;
}

} // namespace TileSheet

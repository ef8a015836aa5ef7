// SPDX-License-Identifier: MIT
#include "cli/TileSheet.h"

#include "core/edit/TileSetFile.h"
#include "resources/BuiltInArt.h"

namespace TileSheet {

QImage builtIn()
{
    return builtInPicture(TileSetFile::BuiltInSheetResource);
}

Outcome<QImage> read(const QString &path)
{
    TileSetFile::Result result = TileSetFile::read(path);
    if (!result.file.succeeded())
        return Failure::of(path, result.file.reason());
    switch (result.status) {
    case TileSetFile::Result::Status::Loaded:
        break;
    case TileSetFile::Result::Status::NotAPicture:
        return Failure::of(path, TileSetFile::NotATileSetMessage);
    case TileSetFile::Result::Status::TooLarge:
        return Failure::of(path, QStringLiteral("the picture is %1 x %2 pixels, more than a tile "
                                                "set may have")
                                     .arg(result.size.width())
                                     .arg(result.size.height()));
    }
    return std::move(result.picture);
}

} // namespace TileSheet

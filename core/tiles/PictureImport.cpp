// SPDX-License-Identifier: MIT
#include "core/tiles/PictureImport.h"

#include "core/edit/TileSetFile.h"
#include "core/tiles/TileMerge.h"


#include <cstring>

using Tiles::TileSize;

namespace PictureImport {

namespace {

constexpr int PsnrDecimals = 1;

Picture fromTileSet(TileSetFile::Result read)
{
    Picture picture;
    picture.file = read.file;
    picture.size = read.size;
    if (!read.file.succeeded()) {
        picture.status = Picture::Status::CannotOpen;
        return picture;
    }
    switch (read.status) {
    case TileSetFile::Result::Status::NotAPicture:
        picture.status = Picture::Status::Damaged;
        return picture;
    case TileSetFile::Result::Status::TooLarge:
        picture.status = Picture::Status::TooLarge;
        return picture;
    case TileSetFile::Result::Status::Loaded:
        break;
    }
    switch (PictureTiles::checkSize(read.picture.size())) {
    case PictureTiles::SizeCheck::NotWholeTiles:
        picture.status = Picture::Status::NotWholeTiles;
        return picture;
    case PictureTiles::SizeCheck::TooLarge:
        picture.status = Picture::Status::TooLarge;
        return picture;
    case PictureTiles::SizeCheck::Width255:
        picture.status = Picture::Status::Width255;
        return picture;
    case PictureTiles::SizeCheck::Fits:
        break;
    }
    picture.status = Picture::Status::Loaded;
    picture.image = std::move(read.picture);
    return picture;
}

void copyTile(const std::uint32_t *tile, QImage &sheet, int number)
{
    const QPoint origin = Tiles::sheetOrigin(number);
    for (int line = 0; line < TileSize; ++line)
        std::memcpy(sheet.scanLine(origin.y() + line) + origin.x() * sizeof(std::uint32_t),
                    tile + line * TileSize, TileSize * sizeof(std::uint32_t));
}

} // namespace

QString Picture::problem() const
{
    switch (status) {
    case Status::Loaded:
        return {};
    case Status::CannotOpen:
        return file.reason();
    case Status::Damaged:
        return DamagedMessage;
    case Status::NotWholeTiles:
        return NotWholeTilesMessage.arg(size.width()).arg(size.height());
    case Status::TooLarge:
        return TooLargeMessage.arg(size.width()).arg(size.height());
    case Status::Width255:
        return Width255Message;
    }
    return {};
}

Picture read(const QString &path)
{
    return fromTileSet(TileSetFile::readWhole(path, LargestPicture));
}

Picture read(QIODevice &device)
{
    return fromTileSet(TileSetFile::readWhole(device, LargestPicture));
}

std::uint8_t Plan::widthByte() const
{
    return static_cast<std::uint8_t>(columns == Tiles::GridColumns ? PictureTiles::UnholdableColumns
                                                                    : columns);
}

std::uint8_t Plan::heightByte() const
{
    return static_cast<std::uint8_t>(columns == Tiles::GridColumns ? rows - 1 : rows);
}

int Plan::mapWidth() const
{
    return columns;
}

int Plan::mapHeight() const
{
    return columns == Tiles::GridColumns ? Tiles::GridRows : rows;
}

QString Plan::mergedText() const
{
    return MergedMessage.arg(distinctCount)
        .arg(Tiles::TileCount)
        .arg(QString::number(psnr, 'f', PsnrDecimals));
}

std::optional<Plan> plan(const PictureTiles::Cut &cut, bool merge)
{
    if (cut.distinctCount() > Tiles::TileCount && !merge)
        return std::nullopt;
    const TileMerge::Result merged = TileMerge::merge(cut, Tiles::TileCount);

    Plan plan;
    plan.columns = cut.columns;
    plan.rows = cut.rows;
    plan.distinctCount = cut.distinctCount();
    plan.merged = cut.distinctCount() > Tiles::TileCount;
    plan.psnr = merged.psnr;
    plan.sheet = QImage(Tiles::SheetWidth, Tiles::SheetHeight, QImage::Format_RGB32);
    plan.sheet.fill(Qt::black);
    for (std::size_t place = 0; place < merged.kept.size(); ++place)
        copyTile(cut.tile(merged.kept[place]), plan.sheet, int(place));
    plan.cells.reserve(cut.cells.size());
    for (const int tile : cut.cells)
        plan.cells.push_back(static_cast<std::uint8_t>(merged.keptFor[tile]));
    return plan;
}

} // namespace PictureImport

// SPDX-License-Identifier: MIT
#pragma once

#include "core/files/FileResult.h"
#include "core/tiles/PictureTiles.h"

#include <QImage>
#include <QSize>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

class QIODevice;

// From a picture file to a map and its tile sheet: reading the picture with
// its size rules, and the map and sheet its tiles make.
namespace PictureImport {

inline constexpr QSize LargestPicture(PictureTiles::MaxColumns * Tiles::TileSize,
                                      PictureTiles::MaxRows * Tiles::TileSize);

inline const QString NotWholeTilesMessage =
    QStringLiteral("The picture is %1 x %2 pixels: its width and height must be multiples of 16.");
inline const QString TooLargeMessage =
    QStringLiteral("The picture is %1 x %2 pixels, larger than a whole map of 256 x 128 tiles "
                   "(4096 x 2048 pixels).");
inline const QString Width255Message =
    QStringLiteral("The picture is 255 tiles wide, a width no map file can hold: its width byte "
                   "255 stands for 256 columns. Make the picture 254 or 256 tiles wide.");
inline const QString DamagedMessage =
    QStringLiteral("This file holds no picture, or the picture in it is damaged.");
inline const QString TooManyTilesMessage =
    QStringLiteral("The picture has %1 different tiles, more than the 256 a tile sheet holds.");
inline const QString MergedMessage =
    QStringLiteral("%1 different tiles merged into %2; PSNR %3 dB against the picture.");

struct Picture
{
    enum class Status { Loaded, CannotOpen, Damaged, NotWholeTiles, TooLarge, Width255 };

    Status status = Status::Damaged;
    // Failed when the file could not be opened: its name and the reason.
    FileResult file;
    QImage image;
    QSize size;

    // Why the picture is refused, in the user's words; empty once loaded.
    QString problem() const;
};

// Reads a picture (BMP, PNG or another format Qt reads) with the damage checks
// of a tile set picture, and checks its size: multiples of 16 pixels, at most
// 256 x 128 cells, and not 255 columns.
Picture read(const QString &path);
Picture read(QIODevice &device);

// A map and its sheet made from a picture's tiles.
struct Plan
{
    int columns = 0;
    int rows = 0;
    // The picture's cells, row by row: tile numbers of sheet.
    std::vector<std::uint8_t> cells;
    // 512 x 128: the tiles in the order of their first appearance, the rest
    // black.
    QImage sheet;
    int distinctCount = 0;
    bool merged = false;
    // Of the map drawn with the sheet, against the picture (infinity when
    // they are equal).
    double psnr = 0.0;

    // The map's size bytes: a picture as wide as the grid takes the width
    // byte 255, which stands for the whole grid, and a height byte one less
    // than its rows, so the canvas shows exactly the picture.
    std::uint8_t widthByte() const;
    std::uint8_t heightByte() const;
    // What the map file gives as the map's size.
    int mapWidth() const;
    int mapHeight() const;

    // "1200 different tiles merged into 256; PSNR 40.1 dB against the picture."
    QString mergedText() const;
};

// The plan for a cut picture. With more than 256 distinct tiles there is no
// plan unless merge is set, in which case similar tiles are merged
// (TileMerge) until 256 are left.
std::optional<Plan> plan(const PictureTiles::Cut &cut, bool merge);

} // namespace PictureImport

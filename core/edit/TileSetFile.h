// SPDX-License-Identifier: MIT
#pragma once

#include "core/files/FileResult.h"

#include <QImage>
#include <QSize>
#include <QString>

class EditorState;
class QIODevice;

// Tile set pictures: reading a picture file for the tile sheet, and putting a
// picture in use as the sheet.
namespace TileSetFile {

// Pictures beyond this many pixels are refused before they are decoded: a
// header can claim any size, and a tile set needs only its 512 x 128 corner.
// 32 megapixels (128 MB as 32-bit pixels) still takes a large photograph.
inline constexpr qint64 MaxPicturePixels = qint64(8192) * 4096;
// Files are read whole before they are decoded, up to this many bytes: all
// of an uncompressed 32-bit bitmap of MaxPicturePixels and its headers.
inline constexpr qint64 MaxFileBytes = MaxPicturePixels * 4 + (qint64(1) << 20);

// The built-in tile set among the compiled-in artwork, which the tile picker
// shows from start-up and tesselwick-cli draws with unless given another.
inline const QString BuiltInSheetResource = QStringLiteral(":/art/tileset.bmp");

// What the user is told about a file that holds no picture.
inline const QString NotATileSetMessage = QStringLiteral("This is not a TileSet file");

struct Result
{
    // What the file holds, once it could be opened.
    enum class Status {
        Loaded,      // picture holds the sheet's part of the picture
        NotAPicture, // no picture format reads it, or the file lacks part of it
        TooLarge,    // size holds the size its header claims
    };

    // Failed when the file could not be opened: its name and the reason.
    FileResult file;
    Status status = Status::NotAPicture;
    // At most 512 x 128 pixels: the top-left part the sheet can show.
    QImage picture;
    QSize size;
};

// Reads the picture in the file with whatever format reads it (BMP, PNG and
// the other formats Qt reads), decoding only what the sheet needs where the
// format can skip the rest.
Result read(const QString &path);
Result read(QIODevice &device);

// Reads the whole picture, for a caller that needs all of it: one wider or
// taller than limit is refused as TooLarge before it is decoded. The same
// checks for damage as read().
Result readWhole(const QString &path, QSize limit);
Result readWhole(QIODevice &device, QSize limit);

// Makes picture the tile sheet, at its top-left corner: a larger picture is
// cut, a smaller one leaves the rest of the sheet in its background colour.
// Then redraws the whole canvas from the new sheet and names the file in the
// picker's caption. The brush becomes the selected tile of the new sheet and
// the preview shows it, so what painting draws is what the map holds.
// Recorded as a "Load Tiles" step of the undo history.
void useTileSheet(EditorState &state, const QImage &picture, const QString &fileTitle);

// Puts the built-in tile set in place as the sheet before the map is first
// drawn: nothing is redrawn and the caption keeps its default.
void useBuiltInSheet(EditorState &state, const QImage &picture);

} // namespace TileSetFile

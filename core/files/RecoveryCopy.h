// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>
#include <QSize>
#include <QString>

#include <optional>

// What a recovery copy holds: enough to put a changed map back as it was
// when an editor ended without saving (killed, crashed, the power cut).
//
// The file is a mark naming its version ("Tesselwick recovery copy 2"), the
// contents and a SHA-256 sum of everything before it, so a copy cut short or
// changed on disk is told from a whole one and never loaded.
//
// Versions. Each version writes the fields of the one before it, in the same
// order, and adds its own after them; a copy is read up to the fields of its
// version, and the later ones stay "not kept". So a copy an older editor left
// always loads, and data a later version adds is one more block at the end
// under a new number. A copy of a version this editor does not know is
// refused rather than loaded in part: what it cannot read would be lost.
//   1  the map file, the tile sheet, the map panel and the picker's caption
//   2  the map's size, the cursor panel and the selected tile
namespace RecoveryCopy {

inline constexpr int Version = 2;

struct Contents
{
    // The map as Save Map would write it.
    QByteArray mapFile;
    // The tile sheet in use when it is not the one the editor starts with;
    // null otherwise. Kept as a picture, not by its file's name: the file may
    // have changed or gone since, and a sheet made by a picture import has no
    // file of its own.
    QImage tileSheet;
    // What the map panel and the picker's caption said.
    QString mapText;
    QString pickerCaption;

    // Since version 2. The map's size in tiles: the map file's bytes do not
    // always give it, as a width byte of 255 is the 255 columns of a map
    // made in the editor and the whole grid of a map loaded from a file.
    std::optional<QSize> mapSize;
    // What the cursor panel said.
    std::optional<QString> cursorText;
    std::optional<int> selectedTile;

    bool operator==(const Contents &other) const = default;
};

// Why a copy cannot be loaded.
inline const QString Damaged = QStringLiteral("the copy is damaged");
inline const QString TooNew =
    QStringLiteral("the copy was written by a newer version of the editor");

// The copy in the current version; a field that is not kept reads back so.
QByteArray encode(const Contents &contents);

// The contents, or nothing when the bytes are not a whole copy of a known
// version; then whyNot, when given, says which (Damaged or TooNew).
std::optional<Contents> decode(QByteArrayView bytes, QString *whyNot = nullptr);

} // namespace RecoveryCopy

// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>
#include <QString>

#include <optional>

// What a recovery copy holds: enough to put a changed map back as it was
// when an editor ended without saving (killed, crashed, the power cut).
//
// The file is a fixed mark, the contents and a SHA-256 sum of everything
// before it, so a copy cut short or changed on disk is told from a whole one
// and never loaded.
namespace RecoveryCopy {

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

    bool operator==(const Contents &other) const = default;
};

// Why a copy cannot be loaded.
inline const QString Damaged = QStringLiteral("the copy is damaged");

QByteArray encode(const Contents &contents);

// The contents, or nothing when the bytes are not a whole copy (see Damaged).
std::optional<Contents> decode(QByteArrayView bytes);

} // namespace RecoveryCopy

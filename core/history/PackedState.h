// SPDX-License-Identifier: MIT
#pragma once

#include "core/render/TileGeometry.h"

#include <QByteArray>
#include <QHash>
#include <QImage>

#include <array>
#include <cstdint>

// Compact forms of the big pieces a whole-map step replaces: the grid and the
// tile sheet. Both are compressed; tile art and maps are mostly runs and
// repeats, so a step usually holds a few kilobytes where the raw pieces take
// 32 KB and 256 KB.
namespace PackedState {

using Grid = std::array<std::uint8_t, Tiles::GridCells>;

// qCompress() whose result holds only its compressed bytes. qCompress sizes
// its buffer for data that does not compress at all and keeps that capacity,
// so an undo step would hold 32 KB for a grid that packs into a few hundred
// bytes.
QByteArray compress(const void *data, qsizetype size);

QByteArray packGrid(const Grid &grid);
void unpackGrid(const QByteArray &packed, Grid &grid);

} // namespace PackedState

// Packs tile sheets and keeps one packed copy of each distinct sheet that
// steps hold: the sheet one Load Tiles put in use is the sheet the next one
// replaces, and a sheet loaded again is the same picture.
class SheetStore
{
public:
    // The sheet as 24-bit pixels, compressed; shared with an earlier pack of
    // the same pixels still held.
    QByteArray pack(const QImage &sheet);

    static QImage unpack(const QByteArray &packed);

private:
    QHash<QByteArray, QByteArray> m_sheets; // by digest of the pixels
};

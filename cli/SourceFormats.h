// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>

#include <vector>

// Maps as source code for a game's build, the part assembler and C share:
// blocks of bytes under one name, and C source and header.
namespace SourceFormats {

// What the source writers write: one block (one label or array), or one per
// screen named SYMBOL_0, SYMBOL_1, ... in reading order.
struct Data
{
    // The map's file name, shown in the comment at the top.
    QString mapName;
    // The rest of that comment: size, order, screens, packing.
    QString summary;
    QByteArray symbol;
    std::vector<QByteArray> blocks;
    // Width x height of one block's cells, before any packing.
    QSize blockCells;
    // Cut into screens (even if only one): each block is named with its
    // number.
    bool split = false;
    // Screens across and down.
    QSize screens{1, 1};
    // Values per line of cells (a row, or a column in column order): the
    // source keeps them apart. Packed blocks have no such lines.
    int lineLength = 0;
    bool packed = false;

    // The label or array name of block index.
    QByteArray label(std::size_t index) const;
    // "name: summary", anything that could end a comment made harmless.
    QByteArray comment() const;
};

// The most values one source line holds.
inline constexpr int ValuesPerLine = 32;

// Runs of at most ValuesPerLine values: each line of cells split, or packed
// bytes cut into equal runs.
std::vector<QByteArrayView> lines(const Data &data, const QByteArray &block);

struct CSource
{
    QByteArray source;
    QByteArray header;
};

// A .c file with each block as a const unsigned char array (declared extern
// first, so it is seen from other files in C++ too), and a .h file with the
// declarations and unsigned size macros: SYMBOL_WIDTH and SYMBOL_HEIGHT (of
// one block's cells), SYMBOL_SIZE (its bytes unpacked), with screens
// SYMBOL_SCREENS, SYMBOL_SCREENS_ACROSS and SYMBOL_SCREENS_DOWN, and when
// packed LABEL_PACKED_SIZE for each block.
CSource writeC(const Data &data);

} // namespace SourceFormats

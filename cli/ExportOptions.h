// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>
#include <QSize>
#include <QString>

#include <optional>

// How export lays out a map's cells and in what form: which cells, in what
// order, cut into screens or not, with tile numbers shifted, packed or not,
// and for assembler and C the dialect and the name of the data.
struct ExportOptions
{
    enum class Order { Rows, Columns };

    Order order = Order::Rows;
    // Cells of the map's own width x height; none: all of them.
    std::optional<QRect> region;
    // Screens of this many cells, each a block of its own; none: one block.
    std::optional<QSize> screens;
    // Added to every tile number; a sum outside 0..255 is refused unless
    // wrap takes it modulo 256.
    int offset = 0;
    bool wrap = false;
    // Each block packed with the run-length scheme of RunLength.h.
    bool rle = false;
    // The assembler dialect (AssemblerDialects.h); empty: the default.
    QString dialect;
    // The label or array name; empty: made from the map's file name.
    QString symbol;
};

// SPDX-License-Identifier: MIT
#pragma once

#include "core/render/TileGeometry.h"

#include <QImage>
#include <QPainter>

// A tile sheet whose every tile is one flat colour of its own, so a block of
// the canvas tells which tile was drawn there.
namespace NumberedSheet {

inline QRgb tileColour(int tile)
{
    return qRgb(tile, 255 - tile, 7);
}

inline QImage sheet()
{
    QImage sheet(Tiles::SheetWidth, Tiles::SheetHeight, QImage::Format_RGB32);
    QPainter painter(&sheet);
    for (int tile = 0; tile < Tiles::TileCount; ++tile)
        painter.fillRect(QRect(Tiles::sheetOrigin(tile), QSize(Tiles::TileSize, Tiles::TileSize)),
                         QColor(tileColour(tile)));
    return sheet;
}

} // namespace NumberedSheet

// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>

#include <functional>

// A picture handed over band by band: rows first .. first + count - 1 as an
// image of the picture's width (RGB32, or the format its reader asked for),
// or a null image when there is not enough memory for them. A large picture
// can so be written without ever being whole in memory.
using PictureBand = std::function<QImage(int first, int count)>;

// The bands of a whole picture, views that share its memory. The picture must
// be RGB32.
inline PictureBand bandsOf(const QImage &picture)
{
    return [picture](int first, int count) {
        return QImage(picture.constScanLine(first), picture.width(), count, picture.bytesPerLine(),
                      picture.format());
    };
}

// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

#include <vector>

// A picture scaled to a size, made pixel by pixel on demand: any part asked
// for has exactly the pixels that part has in the whole scaled picture, so a
// view can paint only what it exposes and an export can make the whole, and
// both show the same picture. Each axis is scaled on its own: enlarging takes
// the nearest source pixel, which keeps tiles sharp; shrinking averages the
// source pixels a target pixel covers, so small details fade instead of
// vanishing.
class ScaledPicture
{
public:
    ScaledPicture() = default;
    // The source is shared, not copied, as long as it is RGB32.
    ScaledPicture(const QImage &source, QSize size);

    QSize size() const { return m_size; }
    const QImage &source() const { return m_source; }

    // The pixels of area (in the scaled picture's coordinates) as an RGB32
    // image of the area's size. Parts outside the picture are black. A null
    // image when there is not enough memory for it.
    QImage render(const QRect &area) const;

    // The whole scaled picture.
    QImage whole() const { return render(QRect(QPoint(0, 0), m_size)); }

private:
    // The run of source pixels that one target pixel takes on an axis.
    struct Span
    {
        int first;
        int count;
    };

    static std::vector<Span> spans(int sourceLength, int targetLength);
    QImage renderInside(const QRect &area) const;
    void renderNearest(QImage &out, const QRect &area) const;
    void renderAveraged(QImage &out, const QRect &area) const;

    QImage m_source;
    QSize m_size;
    std::vector<Span> m_columns;
    std::vector<Span> m_rows;
    bool m_nearest = true;
};

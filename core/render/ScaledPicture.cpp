// SPDX-License-Identifier: MIT
#include "core/render/ScaledPicture.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

constexpr QImage::Format PictureFormat = QImage::Format_RGB32;
constexpr QRgb Opaque = 0xff000000u;

} // namespace

ScaledPicture::ScaledPicture(const QImage &source, QSize size)
    : m_source(source.format() == PictureFormat ? source : source.convertToFormat(PictureFormat)),
      m_size(size.expandedTo(QSize(0, 0)))
{
    if (m_source.isNull())
        return;
    m_columns = spans(m_source.width(), m_size.width());
    m_rows = spans(m_source.height(), m_size.height());
    const auto single = [](const Span &span) { return span.count == 1; };
    m_nearest = std::all_of(m_columns.begin(), m_columns.end(), single) &&
                std::all_of(m_rows.begin(), m_rows.end(), single);
}

std::vector<ScaledPicture::Span> ScaledPicture::spans(int sourceLength, int targetLength)
{
    std::vector<Span> result(static_cast<std::size_t>(targetLength));
    const std::int64_t n = sourceLength;
    const std::int64_t m = targetLength;
    for (std::int64_t i = 0; i < m; ++i) {
        if (m >= n) {
            // The source pixel under the target pixel's centre.
            result[i] = {static_cast<int>((2 * i + 1) * n / (2 * m)), 1};
        } else {
            const auto first = static_cast<int>(i * n / m);
            const auto end = static_cast<int>((i + 1) * n / m);
            result[i] = {first, end - first};
        }
    }
    return result;
}

QImage ScaledPicture::render(const QRect &area) const
{
    const QRect inside = area.intersected(QRect(QPoint(0, 0), m_size));
    if (!m_source.isNull() && !area.isEmpty() && inside == area)
        return renderInside(area);

    QImage out(area.size().expandedTo(QSize(0, 0)), PictureFormat);
    if (out.isNull())
        return out;
    out.fill(Qt::black);
    if (m_source.isNull() || inside.isEmpty())
        return out;
    const QImage part = renderInside(inside);
    if (part.isNull())
        return QImage();
    const QPoint offset = inside.topLeft() - area.topLeft();
    for (int y = 0; y < part.height(); ++y)
        std::memcpy(out.scanLine(offset.y() + y) + offset.x() * 4, part.constScanLine(y),
                    static_cast<std::size_t>(part.width()) * 4);
    return out;
}

QImage ScaledPicture::renderInside(const QRect &area) const
{
    if (m_size == m_source.size())
        return m_source.copy(area);
    // Null when there is not enough memory for the picture.
    QImage out(area.size(), PictureFormat);
    if (out.isNull())
        return out;
    if (m_nearest)
        renderNearest(out, area);
    else
        renderAveraged(out, area);
    return out;
}

void ScaledPicture::renderNearest(QImage &out, const QRect &area) const
{
    const Span *columns = m_columns.data() + area.x();
    const std::size_t rowBytes = static_cast<std::size_t>(area.width()) * 4;
    int previousSourceRow = -1;
    for (int y = 0; y < area.height(); ++y) {
        const int sourceRow = m_rows[area.y() + y].first;
        auto *to = reinterpret_cast<QRgb *>(out.scanLine(y));
        if (sourceRow == previousSourceRow) {
            // Enlarged rows repeat: copy the line just made.
            std::memcpy(to, out.constScanLine(y - 1), rowBytes);
            continue;
        }
        const auto *from = reinterpret_cast<const QRgb *>(m_source.constScanLine(sourceRow));
        for (int x = 0; x < area.width(); ++x)
            to[x] = from[columns[x].first];
        previousSourceRow = sourceRow;
    }
}

void ScaledPicture::renderAveraged(QImage &out, const QRect &area) const
{
    const Span *columns = m_columns.data() + area.x();
    // Per target pixel of the row, the sums of the three channels over the
    // source pixels it covers.
    std::vector<std::uint64_t> sums(static_cast<std::size_t>(area.width()) * 3);

    for (int y = 0; y < area.height(); ++y) {
        const Span rows = m_rows[area.y() + y];
        std::fill(sums.begin(), sums.end(), 0u);
        for (int r = rows.first; r < rows.first + rows.count; ++r) {
            const auto *from = reinterpret_cast<const QRgb *>(m_source.constScanLine(r));
            std::uint64_t *sum = sums.data();
            for (int x = 0; x < area.width(); ++x, sum += 3) {
                const Span span = columns[x];
                std::uint32_t red = 0;
                std::uint32_t green = 0;
                std::uint32_t blue = 0;
                for (const QRgb *pixel = from + span.first, *end = pixel + span.count; pixel != end;
                     ++pixel) {
                    red += qRed(*pixel);
                    green += qGreen(*pixel);
                    blue += qBlue(*pixel);
                }
                sum[0] += red;
                sum[1] += green;
                sum[2] += blue;
            }
        }
        auto *to = reinterpret_cast<QRgb *>(out.scanLine(y));
        const std::uint64_t *sum = sums.data();
        for (int x = 0; x < area.width(); ++x, sum += 3) {
            const auto count = static_cast<std::uint64_t>(columns[x].count) * rows.count;
            const std::uint64_t half = count / 2;
            to[x] = Opaque | static_cast<QRgb>((sum[0] + half) / count) << 16 |
                    static_cast<QRgb>((sum[1] + half) / count) << 8 |
                    static_cast<QRgb>((sum[2] + half) / count);
        }
    }
}

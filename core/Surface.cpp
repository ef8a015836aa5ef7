// SPDX-License-Identifier: MIT
#include "core/Surface.h"

#include <QPainter>

#include <cstring>

namespace {
constexpr QImage::Format SurfaceFormat = QImage::Format_RGB32;
}

Surface::Surface(QSize size, QColor background, QObject *parent)
    : QObject(parent), m_image(size, SurfaceFormat), m_background(background)
{
    m_image.fill(m_background);
}

void Surface::cls()
{
    m_image.fill(m_background);
    markDirty(m_image.rect());
}

void Surface::resize(QSize size)
{
    if (size == m_image.size())
        return;
    QImage next(size, SurfaceFormat);
    next.fill(m_background);
    const int rowBytes = std::min(size.width(), m_image.width()) * 4;
    const int rows = std::min(size.height(), m_image.height());
    for (int y = 0; y < rows; ++y)
        std::memcpy(next.scanLine(y), m_image.constScanLine(y), rowBytes);
    m_image = std::move(next);
    m_dirty = m_dirty.intersected(m_image.rect());
    Q_EMIT resized(size);
    markDirty(m_image.rect());
}

void Surface::setPicture(const QImage &picture)
{
    m_image.fill(m_background);
    QPainter painter(&m_image);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(0, 0, picture.convertToFormat(SurfaceFormat));
    painter.end();
    markDirty(m_image.rect());
}

void Surface::blit(int dx, int dy, int w, int h, const Surface &source, int sx, int sy)
{
    // Clip against the source first, shifting the destination with it, then
    // against the destination.
    QRect src(sx, sy, w, h);
    QRect clippedSrc = src.intersected(source.m_image.rect());
    QRect dst = clippedSrc.translated(dx - sx, dy - sy).intersected(m_image.rect());
    if (dst.isEmpty())
        return;
    const int srcX = dst.x() - dx + sx;
    const int srcY = dst.y() - dy + sy;
    const int rowBytes = dst.width() * 4;
    const qsizetype fromStride = source.m_image.bytesPerLine();
    const qsizetype toStride = m_image.bytesPerLine();
    const uchar *from = source.m_image.constBits() + srcY * fromStride + srcX * 4;
    uchar *to = m_image.bits() + dst.y() * toStride + dst.x() * 4;
    for (int row = 0; row < dst.height(); ++row, from += fromStride, to += toStride)
        std::memmove(to, from, rowBytes);
    markDirty(dst);
}

void Surface::fillBackground(const QRect &rect)
{
    const QRect clipped = rect.intersected(m_image.rect());
    if (clipped.isEmpty())
        return;
    QPainter painter(&m_image);
    painter.fillRect(clipped, m_background);
    painter.end();
    markDirty(clipped);
}

QRect Surface::takeDirty()
{
    return std::exchange(m_dirty, QRect());
}

void Surface::markDirty(const QRect &rect)
{
    const bool wasClean = m_dirty.isEmpty();
    m_dirty = m_dirty.united(rect);
    if (wasClean)
        Q_EMIT dirtied();
}

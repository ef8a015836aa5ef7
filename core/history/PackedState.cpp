// SPDX-License-Identifier: MIT
#include "core/history/PackedState.h"

#include <QCryptographicHash>

#include <cstring>

namespace PackedState {

QByteArray compress(const void *data, qsizetype size)
{
    QByteArray packed = qCompress(static_cast<const uchar *>(data), size);
    packed.squeeze();
    return packed;
}

QByteArray packGrid(const Grid &grid)
{
    return compress(grid.data(), static_cast<qsizetype>(grid.size()));
}

void unpackGrid(const QByteArray &packed, Grid &grid)
{
    const QByteArray bytes = qUncompress(packed);
    Q_ASSERT(bytes.size() == qsizetype(grid.size()));
    std::memcpy(grid.data(), bytes.constData(), grid.size());
}

} // namespace PackedState

namespace {

// Width, height, then the rows of 24-bit pixels.
constexpr int HeaderInts = 2;

} // namespace

QByteArray SheetStore::pack(const QImage &sheet)
{
    const QImage pixels = sheet.convertToFormat(QImage::Format_RGB888);
    QByteArray raw;
    raw.reserve(HeaderInts * sizeof(qint32) + pixels.sizeInBytes());
    const qint32 header[HeaderInts] = {pixels.width(), pixels.height()};
    raw.append(reinterpret_cast<const char *>(header), sizeof(header));
    const qsizetype rowBytes = qsizetype(pixels.width()) * 3;
    for (int row = 0; row < pixels.height(); ++row)
        raw.append(reinterpret_cast<const char *>(pixels.constScanLine(row)), rowBytes);

    const QByteArray digest = QCryptographicHash::hash(raw, QCryptographicHash::Sha256);
    if (const auto found = m_sheets.constFind(digest); found != m_sheets.cend())
        return *found;
    // Sheets no step holds any more go before a new one comes in.
    m_sheets.removeIf([](const auto &entry) { return entry.value().isDetached(); });
    const QByteArray packed = PackedState::compress(raw.constData(), raw.size());
    m_sheets.insert(digest, packed);
    return packed;
}

QImage SheetStore::unpack(const QByteArray &packed)
{
    const QByteArray raw = qUncompress(packed);
    qint32 header[HeaderInts];
    std::memcpy(header, raw.constData(), sizeof(header));
    QImage pixels(header[0], header[1], QImage::Format_RGB888);
    const qsizetype rowBytes = qsizetype(header[0]) * 3;
    const char *from = raw.constData() + sizeof(header);
    for (int row = 0; row < pixels.height(); ++row, from += rowBytes)
        std::memcpy(pixels.scanLine(row), from, rowBytes);
    return pixels.convertToFormat(QImage::Format_RGB32);
}

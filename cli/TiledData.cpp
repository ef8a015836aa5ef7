// SPDX-License-Identifier: MIT
#include "cli/TiledData.h"

#include "cli/Inflate.h"

#include <QByteArray>
#include <QtEndian>

namespace TiledData {

namespace {

constexpr int BytesPerId = 4;

} // namespace

Outcome<std::vector<quint32>> fromBase64(QByteArrayView text, const QString &compression, int width,
                                         int height)
{
    const qsizetype wanted = qsizetype(width) * height;
    QByteArray packed = text.toByteArray();
    packed.removeIf([](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; });
    const auto decoded =
        QByteArray::fromBase64Encoding(packed, QByteArray::AbortOnBase64DecodingErrors);
    if (decoded.decodingStatus != QByteArray::Base64DecodingStatus::Ok)
        return Failure::saying(QStringLiteral("the layer data is not valid base64"));

    QByteArray bytes = decoded.decoded;
    if (!compression.isEmpty()) {
        const Inflate::Wrapper wrapper =
            compression == QStringLiteral("gzip") ? Inflate::Wrapper::Gzip : Inflate::Wrapper::Zlib;
        Outcome<QByteArray> unpacked = Inflate::unpack(bytes, wrapper, wanted * BytesPerId);
        if (!unpacked.succeeded())
            return Failure::saying(QStringLiteral("compression=\"%1\": not valid %1 data: %2")
                                       .arg(compression, unpacked.failure().message));
        bytes = std::move(unpacked.value());
    } else if (bytes.size() != wanted * BytesPerId) {
        return Failure::saying(QStringLiteral("%1 bytes where the %2 x %3 map "
                                              "needs %4")
                                   .arg(bytes.size())
                                   .arg(width)
                                   .arg(height)
                                   .arg(wanted * BytesPerId));
    }
    std::vector<quint32> gids;
    gids.reserve(wanted);
    for (qsizetype cell = 0; cell < wanted; ++cell)
        gids.push_back(qFromLittleEndian<quint32>(bytes.constData() + cell * BytesPerId));
    return gids;
}

} // namespace TiledData

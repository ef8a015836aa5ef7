// SPDX-License-Identifier: MIT
#include "cli/Inflate.h"

#include <zlib.h>

#include <algorithm>

namespace Inflate {

namespace {

// zlib's window bits: 15 for a zlib stream, plus 16 for a gzip one.
constexpr int WindowBits = 15;
constexpr int GzipFlag = 16;

int windowBits(Wrapper wrapper)
{
    return wrapper == Wrapper::Gzip ? WindowBits + GzipFlag : WindowBits;
}

QString wrapperName(Wrapper wrapper)
{
    return wrapper == Wrapper::Gzip ? QStringLiteral("gzip") : QStringLiteral("zlib");
}

QString zlibReason(const z_stream &stream, int status)
{
    if (stream.msg != nullptr)
        return QString::fromUtf8(stream.msg);
    switch (status) {
    case Z_MEM_ERROR:
        return QStringLiteral("not enough memory");
    case Z_BUF_ERROR:
    case Z_OK:
        return QStringLiteral("the stream ends too early");
    default:
        return QStringLiteral("error %1").arg(status);
    }
}

} // namespace

Outcome<QByteArray> unpack(QByteArrayView data, Wrapper wrapper, qsizetype expectedSize)
{
    z_stream stream{};
    if (inflateInit2(&stream, windowBits(wrapper)) != Z_OK)
        return Failure::saying(QStringLiteral("the decompressor could not start"));
    // One byte of room beyond the expected size tells a longer stream apart.
    QByteArray result(expectedSize + 1, Qt::Uninitialized);
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data.data()));
    stream.avail_in = static_cast<uInt>(data.size());
    stream.next_out = reinterpret_cast<Bytef *>(result.data());
    stream.avail_out = static_cast<uInt>(result.size());
    const int status = inflate(&stream, Z_FINISH);
    const qsizetype produced = result.size() - stream.avail_out;
    const QString reason = zlibReason(stream, status);
    inflateEnd(&stream);

    if (status != Z_STREAM_END)
        return Failure::saying(
            produced > expectedSize
                ? QStringLiteral("it unpacks to more than the %1 bytes expected").arg(expectedSize)
                : reason);
    if (produced != expectedSize)
        return Failure::saying(QStringLiteral("it unpacks to %1 bytes where %2 are expected")
                                   .arg(produced)
                                   .arg(expectedSize));
    if (stream.avail_in != 0)
        return Failure::saying(
            QStringLiteral("%1 bytes follow the end of the stream").arg(stream.avail_in));
    result.truncate(produced);
    return result;
}

Outcome<QByteArray> unpackUpTo(QByteArrayView data, Wrapper wrapper, qsizetype limit)
{
    z_stream stream{};
    if (inflateInit2(&stream, windowBits(wrapper)) != Z_OK)
        return Failure::saying(QStringLiteral("the decompressor could not start"));
    QByteArray result;
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data.data()));
    stream.avail_in = static_cast<uInt>(data.size());
    int status = Z_OK;
    // Grows the room by doubling, one byte beyond limit at most, which
    // tells a larger stream apart.
    while (status == Z_OK && result.size() <= limit) {
        const qsizetype produced = result.size();
        result.resize(std::min<qsizetype>(std::max<qsizetype>(produced * 2, 64 * 1024), limit + 1));
        stream.next_out = reinterpret_cast<Bytef *>(result.data() + produced);
        stream.avail_out = static_cast<uInt>(result.size() - produced);
        status = inflate(&stream, Z_NO_FLUSH);
        result.truncate(result.size() - stream.avail_out);
        if (status == Z_BUF_ERROR && stream.avail_out != 0)
            break;
        if (status == Z_BUF_ERROR)
            status = Z_OK;
    }
    const QString reason = zlibReason(stream, status);
    const uInt left = stream.avail_in;
    inflateEnd(&stream);
    // A stream cut off by the limit is still valid data, only too much of it.
    if (result.size() > limit)
        return Failure::saying(TooLargeMessage.arg(limit));
    const QString invalid = QStringLiteral("not valid %1 data: %2").arg(wrapperName(wrapper));
    if (status != Z_STREAM_END)
        return Failure::saying(invalid.arg(reason));
    if (left != 0)
        return Failure::saying(
            invalid.arg(QStringLiteral("%1 bytes follow the end of the stream").arg(left)));
    return result;
}

} // namespace Inflate

// SPDX-License-Identifier: MIT
#pragma once

#include "cli/Failure.h"

#include <QByteArray>
#include <QByteArrayView>

// Unpacking zlib and gzip streams with the system's zlib.
namespace Inflate {

enum class Wrapper { Zlib, Gzip };

// Unpacks data, which must be one complete stream of the given wrapper that
// unpacks to exactly expectedSize bytes; unpacking stops a byte after that,
// so a small file cannot unpack to an unbounded amount of memory. A failure
// says what is wrong with the stream.
Outcome<QByteArray> unpack(QByteArrayView data, Wrapper wrapper, qsizetype expectedSize);

// Says that a valid stream unpacks to more than %1 bytes.
inline const QString TooLargeMessage =
    QStringLiteral("too large when unpacked: more than %1 bytes");

// Unpacks data, one complete stream of the given wrapper, of any size up to
// limit bytes. A failure says whether the stream is not valid ("not valid
// gzip data: ...") or unpacks to more than limit bytes (TooLargeMessage).
Outcome<QByteArray> unpackUpTo(QByteArrayView data, Wrapper wrapper, qsizetype limit);

} // namespace Inflate

// SPDX-License-Identifier: MIT
#include "cli/RunLength.h"

#include <algorithm>

namespace RunLength {

namespace {

void flushCopy(QByteArray &out, QByteArrayView bytes, qsizetype start, qsizetype end)
{
    while (start < end) {
        const qsizetype length = std::min<qsizetype>(end - start, LongestCopy);
        out += static_cast<char>(length);
        out += bytes.sliced(start, length);
        start += length;
    }
}

} // namespace

QByteArray pack(QByteArrayView bytes)
{
    QByteArray out;
    out.reserve(bytes.size() + bytes.size() / LongestCopy + 2);
    qsizetype copyStart = 0;
    qsizetype at = 0;
    while (at < bytes.size()) {
        qsizetype run = 1;
        while (at + run < bytes.size() && run < LongestRun && bytes[at + run] == bytes[at])
            ++run;
        // A run of two inside copied bytes costs as much as copying it, and
        // breaking the copy would cost one more control byte.
        const bool copying = at > copyStart;
        if (run >= 3 || (run == ShortestRun && !copying)) {
            flushCopy(out, bytes, copyStart, at);
            out += static_cast<char>(RunBase + run);
            out += bytes[at];
            at += run;
            copyStart = at;
        } else {
            at += run;
        }
    }
    flushCopy(out, bytes, copyStart, bytes.size());
    out += static_cast<char>(EndOfBlock);
    return out;
}

} // namespace RunLength

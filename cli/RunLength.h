// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QByteArrayView>

// The run-length scheme of packed exports, small enough to unpack on an
// 8-bit machine (decoders in C and 6502 assembler ship in decoders/). A block
// is a sequence of control bytes, each followed by its data:
//   0x00          the end of the block;
//   0x01..0x7F    that many bytes follow, copied as they are;
//   0x80..0xFF    one byte follows, repeated (control - 0x7E) times, 2..129.
namespace RunLength {

inline constexpr int EndOfBlock = 0x00;
inline constexpr int LongestCopy = 0x7F;
inline constexpr int RunBase = 0x7E;
inline constexpr int ShortestRun = 2;
inline constexpr int LongestRun = 0xFF - RunBase;

// The block packed, ending in EndOfBlock.
QByteArray pack(QByteArrayView bytes);

} // namespace RunLength

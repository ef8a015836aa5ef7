/* SPDX-License-Identifier: MIT */
/* Unpacks the run-length blocks that tesselwick-cli export --rle writes.
   A block is a sequence of control bytes, each followed by its data:
     0x00          the end of the block;
     0x01..0x7F    that many bytes follow, copied as they are;
     0x80..0xFF    one byte follows, repeated (control - 0x7E) times, 2..129. */
#ifndef TESSELWICK_UNRLE_H_INCLUDED
#define TESSELWICK_UNRLE_H_INCLUDED

#ifdef __cplusplus
extern "C" {
#endif

/* Unpacks the block at packed into out, which must hold its unpacked size
   (NAME_SIZE in the exported header). Returns the byte after the block's
   end, where the next block of screens exported one after another starts. */
const unsigned char *tesselwick_unrle(const unsigned char *packed, unsigned char *out);

#ifdef __cplusplus
}
#endif

#endif

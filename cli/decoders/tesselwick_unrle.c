/* SPDX-License-Identifier: MIT */
/* Unpacks the run-length blocks that tesselwick-cli export --rle writes
   (the scheme is in tesselwick_unrle.h). Plain C89, for 8-bit compilers. */
#include "tesselwick_unrle.h"

const unsigned char *tesselwick_unrle(const unsigned char *packed, unsigned char *out)
{
    unsigned char control;
    unsigned char count;
    while ((control = *packed++) != 0) {
        if (control < 0x80) {
            count = control;
            do {
                *out++ = *packed++;
            } while (--count != 0);
        } else {
            unsigned char value = *packed++;
            count = (unsigned char)(control - 0x7E);
            do {
                *out++ = value;
            } while (--count != 0);
        }
    }
    return packed;
}

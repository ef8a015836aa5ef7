/* clamped: 1 x 128 tiles, one byte a tile, row by row */
#ifndef CLAMPED_H_INCLUDED
#define CLAMPED_H_INCLUDED

#define CLAMPED_WIDTH 1u
#define CLAMPED_HEIGHT 128u
#define CLAMPED_SIZE 128u

#ifdef __cplusplus
extern "C" {
#endif

extern const unsigned char clamped[CLAMPED_SIZE];

#ifdef __cplusplus
}
#endif

#endif

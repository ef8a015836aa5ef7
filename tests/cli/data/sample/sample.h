/* sample: 40 x 25 tiles, one byte a tile, row by row */
#ifndef SAMPLE_H_INCLUDED
#define SAMPLE_H_INCLUDED

#define SAMPLE_WIDTH 40u
#define SAMPLE_HEIGHT 25u
#define SAMPLE_SIZE 1000u

#ifdef __cplusplus
extern "C" {
#endif

extern const unsigned char sample[SAMPLE_SIZE];

#ifdef __cplusplus
}
#endif

#endif

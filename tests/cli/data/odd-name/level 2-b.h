/* level 2-b: 5 x 3 tiles, one byte a tile, row by row */
#ifndef LEVEL_2_B_H_INCLUDED
#define LEVEL_2_B_H_INCLUDED

#define LEVEL_2_B_WIDTH 5u
#define LEVEL_2_B_HEIGHT 3u
#define LEVEL_2_B_SIZE 15u

#ifdef __cplusplus
extern "C" {
#endif

extern const unsigned char level_2_b[LEVEL_2_B_SIZE];

#ifdef __cplusplus
}
#endif

#endif

/* one-cell: 1 x 1 tiles, one byte a tile, row by row */
#ifndef ONE_CELL_H_INCLUDED
#define ONE_CELL_H_INCLUDED

#define ONE_CELL_WIDTH 1u
#define ONE_CELL_HEIGHT 1u
#define ONE_CELL_SIZE 1u

#ifdef __cplusplus
extern "C" {
#endif

extern const unsigned char one_cell[ONE_CELL_SIZE];

#ifdef __cplusplus
}
#endif

#endif

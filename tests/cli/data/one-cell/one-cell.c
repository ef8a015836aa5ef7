/* one-cell: 1 x 1 tiles, one byte a tile, row by row */
#define ONE_CELL_WIDTH 1
#define ONE_CELL_HEIGHT 1

const unsigned char one_cell[ONE_CELL_HEIGHT * ONE_CELL_WIDTH] = {
    0xff
};

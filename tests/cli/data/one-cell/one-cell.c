/* one-cell: 1 x 1 tiles, one byte a tile, row by row */

extern const unsigned char one_cell[1u];
const unsigned char one_cell[1u] = {
    0xff
};

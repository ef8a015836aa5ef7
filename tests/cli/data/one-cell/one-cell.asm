; one-cell: 1 x 1 tiles, one byte a tile, row by row
    .export one_cell
one_cell:
    .byte $ff

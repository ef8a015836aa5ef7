// cave: 1: 5 x 3 tiles, one byte a tile, row by row
cave_1:
    .byte $00,$01,$02,$03,$04
    .byte $10,$c8,$c8,$c8,$14
    .byte $20,$21,$22,$23,$24

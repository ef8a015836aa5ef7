; cave: 1: 5 x 3 tiles, one byte a tile, row by row
SECTION "cave_1", ROMX
cave_1::
    db $00,$01,$02,$03,$04
    db $10,$c8,$c8,$c8,$14
    db $20,$21,$22,$23,$24

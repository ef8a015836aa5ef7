; cave: 1: 5 x 3 tiles, one byte a tile, row by row, in 4 screens of 3 x 2 (2 across, 2 down), run-length packed
SECTION "cave_1_0", ROMX
cave_1_0::
    db $06,$00,$01,$02,$10,$c8,$c8,$00
SECTION "cave_1_1", ROMX
cave_1_1::
    db $06,$03,$04,$00,$c8,$14,$00,$00
SECTION "cave_1_2", ROMX
cave_1_2::
    db $03,$20,$21,$22,$81,$00,$00
SECTION "cave_1_3", ROMX
cave_1_3::
    db $02,$23,$24,$82,$00,$00

// cave: 1: 5 x 3 tiles, one byte a tile, row by row, in 4 screens of 3 x 2 (2 across, 2 down), run-length packed
cave_1_0:
    .byte $06,$00,$01,$02,$10,$c8,$c8,$00
cave_1_1:
    .byte $06,$03,$04,$00,$c8,$14,$00,$00
cave_1_2:
    .byte $03,$20,$21,$22,$81,$00,$00
cave_1_3:
    .byte $02,$23,$24,$82,$00,$00

; level 2-b: 5 x 3 tiles, one byte a tile, row by row
    .export level_2_b
level_2_b:
    .byte $d7,$e8,$f9,$8c,$ce
    .byte $96,$56,$a2,$95,$4b
    .byte $48,$e8,$f5,$f0,$39

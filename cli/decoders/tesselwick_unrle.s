; SPDX-License-Identifier: MIT
; Unpacks the run-length blocks that tesselwick-cli export --rle writes, on
; the 6502 (ca65 syntax). A block is a sequence of control bytes, each
; followed by its data:
;   $00          the end of the block;
;   $01..$7F     that many bytes follow, copied as they are;
;   $80..$FF     one byte follows, repeated (control - $7E) times, 2..129.
;
; Set unrle_src to the packed block and unrle_dst to where it unpacks, then
; jsr unrle. On return unrle_src points after the block's end (where the
; next block of screens exported one after another starts) and unrle_dst
; after the last byte written. Uses A, X and Y.

        .exportzp unrle_src, unrle_dst
        .export unrle

        .segment "ZEROPAGE"
unrle_src: .res 2
unrle_dst: .res 2

        .segment "CODE"
unrle:
        ldy #0
@control:
        lda (unrle_src),y
        inc unrle_src
        bne :+
        inc unrle_src+1
:       tax
        beq @done
        bmi @run
@copy:                          ; X bytes copied as they are
        lda (unrle_src),y
        sta (unrle_dst),y
        inc unrle_src
        bne :+
        inc unrle_src+1
:       inc unrle_dst
        bne :+
        inc unrle_dst+1
:       dex
        bne @copy
        beq @control
@run:                           ; the next byte, control - $7E times
        sec
        sbc #$7E
        tax
        lda (unrle_src),y
        inc unrle_src
        bne @fill
        inc unrle_src+1
@fill:
        sta (unrle_dst),y
        inc unrle_dst
        bne :+
        inc unrle_dst+1
:       dex
        bne @fill
        beq @control
@done:
        rts

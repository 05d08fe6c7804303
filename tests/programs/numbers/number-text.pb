; A float without a decimals count shows at most ten decimals, trailing zeros removed, in
; Str, StrF and StrD, joined to a string and in Debug
third.d = 1 / 3.0
Debug third
Debug 1 / 3.0
Debug 0.1
Debug Str(2 / 3.0) + " " + StrF(0.25) + " " + StrD(1 / 7.0) + " " + StrD(2.5 * 2)
Debug "third = " + third
Debug 0.1 + 0.2
Debug -1 / 3.0
Debug 0.000000000001
Debug 123456789.125
Debug Abs(-1 / 3.0)
; Hex, Bin and StrU read their number as the type they are given
Debug Hex(-1, #PB_Long) + " " + Hex(-1, #PB_Byte) + " " + Hex(-2, #PB_Word) + " " + Hex(-1, #PB_Quad)
Debug Bin(-1, #PB_Byte) + " " + Bin(5, #PB_Long) + " " + Bin(-3, #PB_Word)
Debug StrU(-1, #PB_Long) + " " + StrU(-1, #PB_Byte) + " " + StrU(-1, #PB_Word) + " " + StrU(255, #PB_Byte)
Debug Hex(300, #PB_Byte) + " " + StrU(-1, #PB_Character)
; Val and ValD read binary and hexadecimal as well as decimal text
Debug Val("%1010") + Val("$FF") + Val("-$10") + Val("  %11")
Debug ValD("$FF") + ValD("%1010")
Debug Val("%") + Val("$") + Val("%102")
; expect:
; 0.3333333333
; 0.3333333333
; 0.1
; 0.6666666667 0.25 0.1428571429 5
; third = 0.3333333333
; 0.3
; -0.3333333333
; 0
; 123456789.125
; 0.3333333333
; FFFFFFFF FF FFFE FFFFFFFFFFFFFFFF
; 11111111 101 1111111111111101
; 4294967295 255 65535 255
; 2C 65535
; 252
; 265
; 2

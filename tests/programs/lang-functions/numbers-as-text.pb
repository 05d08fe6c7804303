; Hex and Bin without leading zeros, negatives as 64-bit two's complement; StrF/StrD rounding
Debug Hex(255) + " " + Hex(0) + " " + Hex(-1) + " " + Hex(-256)
Debug Bin(5) + " " + Bin(-2)
Debug StrF(3.14159, 2) + " " + StrD(2.5, 0) + " " + StrF(0.1) + " " + StrD(-1.005, 1)
Debug StrU(42) + " " + Chr(65) + Chr(97)
Debug ValF("2.5") + ValD("0.25")
; expect:
; FF 0 FFFFFFFFFFFFFFFF FFFFFFFFFFFFFF00
; 101 1111111111111111111111111111111111111111111111111111111111111110
; 3.14 3 0.1 -1.0
; 42 Aa
; 2.75

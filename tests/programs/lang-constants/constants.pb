; Constants from numbers, strings, other constants and operators; redefining with the same value
#Rows = 3
#Cols = #Rows * 2 + 1
#Mask = (1 << 4) | $0F & ~1
#Title$ = "grid"
#Rows = 3
#Neg = -5
Dim a(#Cols)
Debug ArraySize(a())
Debug #Title$ + "!"
Debug #Mask
Debug 10 - #Neg
; expect:
; 8
; grid!
; 30
; 15

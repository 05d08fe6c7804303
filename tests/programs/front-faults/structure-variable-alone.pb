; A structure-typed variable declared alone as a statement is declared
Structure Point
  x.i
  y.i
EndStructure
p.Point
p\x = 3
p\y = 4
Debug p\x * p\y
; expect:
; 12

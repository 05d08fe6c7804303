; A Data line may begin with a negative number
DataSection
  Numbers:
  Data.i -1, -1, 1
  Data.i 5
EndDataSection
Restore Numbers
Read.i a
Read.i b
Read.i c
Read.i d
Debug a + b + c
Debug d
; expect:
; -1
; 5

; A DataSection never closed ends where its data does: one message, and the program after
; it runs and reads its values
DataSection
  numbers:
  Data.i 4, 5
Restore numbers
Read.i a
Read.i b
Debug a + b
; expect:
; 9
; expect-log:
; line 3: DataSection without EndDataSection

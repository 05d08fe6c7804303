; Reading past the end stops the program
Restore Values
Read a
Debug a
Read b
Debug "never"
DataSection
  Values:
  Data.i 7
EndDataSection
; expect:
; 7
; expect-error:
; no more data

; Data labels and Restore keep working beside the program's own labels, even of one name
Goto start
Debug "skipped"
start:
Restore second
Read.i a
Restore first
Read.i b
Debug Str(a) + " " + Str(b)
End
DataSection
  first:
  Data.i 1
  second:
  Data.i 2
EndDataSection
first:
; expect:
; 2 1

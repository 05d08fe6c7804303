; An in-place update of an element whose index calls something reads and writes one element,
; with one call, however long its expression
Dim a(9)
For i = 0 To 9 : a(i) = i * 10 : Next
calls = 0
Procedure Pick()
  Shared calls
  calls + 1
  ProcedureReturn calls + 2
EndProcedure
a(Pick()) - 1 - 1
a(Pick()) * 2
Debug Str(calls) + " " + Str(a(3)) + " " + Str(a(4))
; expect:
; 2 28 80

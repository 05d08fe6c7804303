; Swap finds each place once: a random index is drawn once
Dim a(9)
For i = 0 To 9 : a(i) = i : Next
calls = 0
Procedure Pick()
  Shared calls
  calls + 1
  ProcedureReturn 7
EndProcedure
Swap a(0), a(Pick())
Debug calls
Debug a(0)
Debug a(7)
; expect:
; 1
; 7
; 0

; A procedure with a Goto loop, a Gosub of its own and a ProcedureReturn from inside it
Procedure.i SumTo(n)
  total = 0
  i = 1
  again:
  total + i
  i + 1
  If i <= n
    Goto again
  EndIf
  Gosub twice
  ProcedureReturn total
  twice:
  total * 2
  Return
EndProcedure
Procedure.s Find(x)
  For i = 1 To 10
    If i * i >= x : Goto found : EndIf
  Next
  ProcedureReturn "none"
  found:
  ProcedureReturn "at " + Str(i)
EndProcedure
Debug SumTo(4)
Debug SumTo(1)
Debug Find(10)
Debug Find(1000)
; expect:
; 20
; 2
; at 4
; none

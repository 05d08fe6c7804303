; ElseIf chains in the main program and in a procedure, only the first true branch runs
Procedure.s Size(n)
  If n < 10
    ProcedureReturn "small"
  ElseIf n < 100
    ProcedureReturn "medium"
  ElseIf n < 1000
    ProcedureReturn "large"
  EndIf
  ProcedureReturn "huge"
EndProcedure
For i = 1 To 4
  If i = 1
    Debug "one"
  ElseIf i = 2
    Debug "two"
  ElseIf i > 2
    Debug "more"
  Else
    Debug "never"
  EndIf
Next
Debug Size(5) + Size(50) + Size(500) + Size(5000)
; expect:
; one
; two
; more
; more
; smallmediumlargehuge

; With in a procedure, around a Repeat of the main program and a ProcedureReturn of a field
Structure Counter
  n.i
  step.i
EndStructure
Global c.Counter
Procedure.i Advance()
  With c
    \n + \step
    ProcedureReturn \n
  EndWith
EndProcedure
c\step = 3
With c
  Repeat
    Advance()
  Until \n >= 9
  Debug "n " + Str(\n)
EndWith
; expect:
; n 9

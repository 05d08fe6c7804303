; Statements as the page writes them.
Procedure Add(a.i, b.i)
  ProcedureReturn a + b
EndProcedure
Dim v.f(10)
dx = Add(1, -1)
If Not dx
  Debug "still"
EndIf

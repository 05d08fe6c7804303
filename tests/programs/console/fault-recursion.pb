; A procedure that calls itself without end stops with the line of the call
Procedure Down(n)
  ProcedureReturn Down(n + 1) + 1
EndProcedure
Procedure Start()
  ProcedureReturn Down(1)
EndProcedure
Debug "start"
x = Start()
; expect-error:
; line 3: too many nested procedure calls

; A procedure and a variable of one name, in the program and in a procedure
Procedure.i total(n)
  ProcedureReturn n * 2
EndProcedure
Procedure.i Speed(x)
  ProcedureReturn x + 1
EndProcedure
Procedure.i Twice(twice)
  Protected speed = Speed(twice)
  ProcedureReturn speed + twice
EndProcedure
total = 5
speed = total(total)
Debug total
Debug speed
Debug Speed(speed)
Debug Twice(3)
; expect:
; 5
; 10
; 11
; 7

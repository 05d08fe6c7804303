; A variable, an array and a procedure may share a name, and procedures may be named like
; runtime routines and browser globals: each is the program's own
Procedure a(arg)
  ProcedureReturn arg * 10
EndProcedure
Procedure Empty(n)
  ProcedureReturn n + 1
EndProcedure
Procedure alert(t$)
  Debug "own " + t$
EndProcedure
Procedure Date()
  ProcedureReturn 2024
EndProcedure
Procedure Image(w)
  ProcedureReturn w * 2
EndProcedure
Procedure setInterval()
  ProcedureReturn 7
EndProcedure
Procedure ChangeLoop(x)
  ProcedureReturn x
EndProcedure
For a = 0 To 1
  x = a(a)
  Debug x
Next
Debug Empty(1)
alert("hi")
Debug Date() + Image(3) + setInterval() + ChangeLoop(1)
Repeat
  n + 1
Until n = 2
Debug n
; expect:
; 0
; 10
; 2
; own hi
; 2038
; 2

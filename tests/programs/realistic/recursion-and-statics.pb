; procedures: recursion, defaults, globals, statics, string results
Global calls = 0
Procedure Fib(n)
  calls + 1
  If n < 2
    ProcedureReturn n
  EndIf
  ProcedureReturn Fib(n - 1) + Fib(n - 2)
EndProcedure
Procedure Counter()
  Static c
  c + 1
  ProcedureReturn c
EndProcedure
Procedure.s Dup(s$, times = 2)
  Protected out$
  For i = 1 To times
    out$ + s$
  Next
  ProcedureReturn out$
EndProcedure
Debug Str(Fib(10)) + " " + Str(calls)
Counter() : Counter()
Debug Str(Counter())
Debug Dup("ab") + " " + Dup("x", 4)
; expect:
; 55 177
; 3
; abab xxxx

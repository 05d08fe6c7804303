; A macro in an expression, parameters replaced as whole words, a macro without
; parameters, a multi-line macro as a statement, and forward declarations
Declare.i Cube(n)
Macro Square(x)
  ((x) * (x))
EndMacro
Macro Greeting
  "hello"
EndMacro
Macro Twice(what, times)
  Debug what + Str(times)
  Debug what + Str(times * 2)
EndMacro
xx = 3
Debug Square(xx + 1) + 1
Debug Greeting + " world"
Twice("n=", 2)
Debug Cube(2)
Procedure.i Cube(n)
  ProcedureReturn n * Square(n)
EndProcedure
; expect:
; 17
; hello world
; n=2
; n=4
; 8

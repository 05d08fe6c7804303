; Parameters with default values: a call may leave them out from the right; a default can be
; a constant, a string or negative, and an integer parameter still rounds what it is given
#Base = 10
Declare.i Scale(x, factor = 2)
Procedure.i Add(a, b = #Base, c.s = "x", d.f = -0.5)
  Debug c + " " + StrF(d, 1)
  ProcedureReturn a + b
EndProcedure
Procedure.i Scale(x, factor = 2)
  ProcedureReturn x * factor
EndProcedure
Procedure Greet(name$ = "world")
  Debug "hello " + name$
EndProcedure
Debug Add(5)
Debug Add(5, 2)
Debug Add(5, 2.6, "y", 1.25)
Debug Scale(4) + Scale(4, 3)
Greet()
Greet("you")
; expect:
; x -0.5
; 15
; x -0.5
; 7
; y 1.3
; 8
; 20
; hello world
; hello you

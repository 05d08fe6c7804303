; A constant is known from its definition on: used on an earlier line it is not found, and a
; later definition does not change what came before; "#" inside a string stays text
Debug "#Late stays"
x = #Late
#Late = 5
Debug #Late
Procedure.s Label()
  ProcedureReturn #Title$ + "#Title$"
EndProcedure
#Title$ = "t"
; expect:
; #Late stays
; 5
; expect-log:
; line 4 const Not found: #Late
; line 8 const Not found: #Title$

; Integer and float places of procedures, parameters, array elements and structure fields
Structure Ball
  x.i
  speed.f
EndStructure
Procedure.f Half(v)
  ProcedureReturn v / 2
EndProcedure
Procedure Twice(v.f)
  ProcedureReturn v * 2
EndProcedure
Procedure Show(n)
  Debug n
EndProcedure
Debug Half(3)
Debug Twice(1.3)
Show(2.7)
Show(9 / 2)
Dim grid(3)
grid(1) = 7 / 2
Debug grid(1)
Dim speeds.f(2)
speeds(0) = 7 / 2
Debug speeds(0)
b.Ball
b\x = 5.5
b\speed = 5 / 2
Debug b\x
Debug b\speed
NewList items.i()
AddElement(items())
items() = 9 / 4
Debug items()
; expect:
; 1.5
; 3
; 3
; 4
; 3
; 3.5
; 6
; 2.5
; 2

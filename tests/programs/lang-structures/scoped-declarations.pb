; Scope keywords before Dim, NewList and NewMap
Global Dim totals(3)
Global NewList names.s()
Global NewMap seen.i()
Procedure Fill()
  Protected Dim local(2)
  Protected NewList items.i()
  Protected NewMap marks.s()
  local(2) = 5
  AddElement(items()) : items() = 6
  marks("k") = "v"
  totals(1) = local(2) + items()
  AddElement(names()) : names() = marks("k")
  seen("x") = 1
EndProcedure
Fill()
Debug totals(1)
Debug names()
Debug MapSize(seen())
; expect:
; 11
; v
; 1

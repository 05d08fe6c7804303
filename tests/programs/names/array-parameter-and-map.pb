; An Array parameter of one procedure and a map elsewhere of the same name, and a list
; parameter named like the program's array
Procedure.i Sum(Array m.i(1))
  Protected k, s
  For k = 0 To ArraySize(m())
    s + m(k)
  Next
  ProcedureReturn s
EndProcedure
Procedure Count(List v.s())
  ProcedureReturn ListSize(v())
EndProcedure
NewMap m.s()
m("one") = "uno"
m("two") = "dos"
Dim numbers.i(2)
numbers(0) = 4 : numbers(1) = 5 : numbers(2) = 6
Debug Sum(numbers())
Debug m("two") + " " + Str(MapSize(m()))
Dim v.i(1)
v(1) = 9
NewList words.s()
AddElement(words()) : words() = "a"
AddElement(words()) : words() = "b"
Debug Count(words())
Debug v(1)
; expect:
; 15
; dos 2
; 2
; 9

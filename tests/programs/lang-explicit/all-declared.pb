; With EnableExplicit a program that declares every variable converts without a message
EnableExplicit
Structure Point
  x.i
  y.i
EndStructure
Global total.i, label$ = "sum"
Define i, p.Point, word.s
Define.s first, second
Dim squares(3)
NewList names.s()
NewMap ages.i()
Procedure.i Add(a, b)
  Protected result = a + b
  Static calls
  Shared word
  calls + 1
  total + result
  ProcedureReturn result + calls * 0
EndProcedure
For i = 0 To 3
  squares(i) = i * i
Next
p\x = Add(2, 3)
Read.s word
Select p\x
  Case 1, 5
    first = "hit"
  Default
    first = "miss"
EndSelect
AddElement(names()) : names() = word
ages("ann") = 30
Debug label$ + " " + Str(total) + " " + Str(squares(3)) + " " + first + " " + names() + " " + Str(ages("ann"))
DataSection
  Data.s "data"
EndDataSection
; expect:
; sum 5 9 hit data 30

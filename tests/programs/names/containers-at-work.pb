; Arrays, lists and maps at work beside variables of their names: sorting, copying,
; resizing, walking, passing, and structure fields named like them
EnableExplicit
Structure Point
  x.i
  y.i
EndStructure
Define x.i = 40, y.f = 0.5, n.i, w.i, k.s
Dim w.i(2)
w(0) = 3 : w(1) = 1 : w(2) = 2
w = 10
SortArray(w(), #PB_Sort_Ascending)
Debug Str(w(0)) + Str(w(1)) + Str(w(2)) + " " + Str(w)
Dim copy.i(0)
CopyArray(w(), copy())
ReDim w(4)
w(4) = w
Debug Str(ArraySize(w())) + " " + Str(w(4)) + " " + Str(copy(2))
Procedure.i Largest(Array w.i(1))
  Protected w = -1, i
  For i = 0 To ArraySize(w())
    If w(i) > w : w = w(i) : EndIf
  Next
  ProcedureReturn w
EndProcedure
Debug Largest(w())
NewList y.Point()
AddElement(y()) : y()\x = x : y()\y = 7
Define p.Point
p\x = y()\x + 1
ForEach y()
  Debug Str(y()\x) + " " + Str(y()\y) + " " + StrF(y, 1) + " " + Str(p\x)
Next
NewMap k.i()
k("a") = 1
k = "key"
k(k) = 2
ForEach k()
  n + k()
Next
Debug k + " " + Str(n) + " " + Str(MapSize(k()))
Procedure Keep()
  Static Dim t.i(1)
  Static t
  t + 1
  t(1) + 10
  Debug Str(t) + " " + Str(t(1))
EndProcedure
Keep()
Keep()
; expect:
; 123 10
; 4 10 3
; 10
; 40 7 0.5 41
; key 3 2
; 1 10
; 2 20

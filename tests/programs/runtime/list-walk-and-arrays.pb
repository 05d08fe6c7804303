; ForEach sees every element once even when elements are deleted on the way; each new element
; of a string or structure list, and of a structure array, is its own and starts empty; Dim
; and ArraySize with one to three bounds
Structure Point
  x.i
  y.i
EndStructure
NewList l()
For i = 1 To 6
  AddElement(l())
  l() = i
Next
ForEach l()
  seen$ + Str(l())
  If l() = 2 Or l() = 3 Or l() = 6
    DeleteElement(l())
  EndIf
Next
Debug seen$ + " " + ListJoin(l(), ",") + " " + Str(ListSize(l()))
NewList s.s()
AddElement(s())
AddElement(s())
Debug "[" + ListJoin(s(), ",") + "] " + Str(ListSize(s()))
NewList p.Point()
AddElement(p())
p()\x = 7
AddElement(p())
Debug Str(p()\x) + " " + Str(p()\y)
FirstElement(p())
Debug Str(p()\x)
Dim points.Point(1)
points(0)\x = 7
Debug Str(points(0)\x) + " " + Str(points(1)\x)
Dim a(3)
Dim b(3, 5)
Dim c.s(1, 2, 4)
Dim f.d(1)
Debug Str(ArraySize(a())) + " " + Str(ArraySize(b(), 1)) + " " + Str(ArraySize(b(), 2)) + " " + Str(ArraySize(c(), 3))
Debug Str(a(3)) + " " + Str(b(3, 5)) + " [" + c(1, 2, 4) + "] " + StrD(f(1))
; expect:
; 123456 1,4,5 3
; [,] 2
; 0 0
; 7
; 7 0
; 3 3 5 4
; 0 0 [] 0

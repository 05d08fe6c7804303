; Static arrays of structures inside structures: each element its own, in arrays of the
; structure too, and a copy of the structure copies them
Structure Point
  x.i
  y.i
EndStructure
Structure Shape
  name$
  pts.Point[3]
  corner.Point
EndStructure
s.Shape
s\pts[2]\x = 7
s\corner\y = 4
Dim shapes.Shape(2)
shapes(1)\pts[0]\y = 9
t.Shape = s
t\pts[2]\x = 1
Debug Str(s\pts[2]\x) + " " + Str(s\corner\y) + " " + Str(shapes(1)\pts[0]\y) + " " + Str(shapes(0)\pts[0]\y) + " " + Str(t\pts[2]\x)
; expect:
; 7 4 9 0 1

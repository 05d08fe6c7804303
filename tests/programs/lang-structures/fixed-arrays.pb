; Fixed array fields of numbers, strings and structures, each element its type's zero
Structure Point
  x.i
  y.i
EndStructure
Structure Shape
  name$
  corners.Point[3]
  tags.s[2]
  weights.d[4]
EndStructure
s.Shape
s\name$ = "triangle"
For i = 0 To 2
  s\corners[i]\x = i * 10
  s\corners[i]\y = i + 1
Next
s\tags[1] = "b"
Debug s\name$ + " " + Str(s\corners[2]\x) + " " + Str(s\corners[1]\y)
Debug "[" + s\tags[0] + "]" + s\tags[1] + " " + StrF(s\weights[3], 1)
Dim all.Shape(1)
all(1)\corners[2]\y = 7
Debug all(1)\corners[2]\y + all(0)\corners[2]\y
; expect:
; triangle 20 2
; []b 0.0
; 7

; A fault at run time in a procedure of an include file shows that file and line
Structure Point
  x.i
EndStructure
Dim values.Point(3)
IncludeFile "lib/faulty.pbi"
Debug "before"
Debug Touch(10)
; expect:
; before
; expect-error:
; lib/faulty.pbi line 3: array index out of bounds

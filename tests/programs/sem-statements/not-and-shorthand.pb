; Not gives 1 or 0 and takes the whole comparison after it; the in-place shorthand works
; on elements and fields
a = 2
If Not a = 1
  Debug "not one"
EndIf
If Not (a = 2)
  Debug "wrong"
Else
  Debug "two"
EndIf
Debug Str(Not 0) + Str(Not 5)
Dim v(3)
v(1) = 4
v(1) + 5
Debug v(1)
Structure Ball
  x.i
  dx.i
EndStructure
NewList balls.Ball()
AddElement(balls())
balls()\x = 10
balls()\dx = 3
balls()\x + balls()\dx
Debug balls()\x
Dim b.Ball(2)
b(1)\x = 1
b(1)\x + 9
Debug b(1)\x
; expect:
; not one
; two
; 10
; 9
; 13
; 10

; Fields written "\field" inside With ... EndWith belong to its value; blocks nest, and the
; value is the one named at each use
Structure Point
  x.i
  y.i
EndStructure
Structure Ship
  name.s
  pos.Point
  speed.f
EndStructure
Define hero.Ship
With hero
  \name = "Zed"
  \speed = 1.5
  With \pos
    \x = 10
    \y = \x * 2
  EndWith
  \pos\x + 1
  Debug \name + " " + Str(\pos\x) + "," + Str(\pos\y) + " " + StrF(\speed, 1)
EndWith
Dim fleet.Ship(2)
For i = 0 To 2
  With fleet(i)
    \name = "s" + Str(i)
    \pos\x = i * 100
  EndWith
Next
NewList rocks.Point()
For i = 1 To 3
  AddElement(rocks())
  With rocks()
    \x = i
    \y = -i
  EndWith
Next
ForEach rocks()
  With rocks()
    If \x = 2 : Debug "rock " + Str(\x) + " " + Str(\y) : EndIf
  EndWith
Next
i = 1
With fleet(i)
  i = 2
  Debug \name
EndWith
Debug fleet(0)\name + " " + Str(fleet(2)\pos\x)
; expect:
; Zed 11,20 1.5
; rock 2 -2
; s2
; s0 200

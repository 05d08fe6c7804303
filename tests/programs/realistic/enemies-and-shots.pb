; structures, arrays of structures and lists of structures
Structure Enemy
  x.i
  y.i
  name$
  alive.b
EndStructure
Dim foes.Enemy(3)
For i = 0 To 3
  foes(i)\x = i * 10
  foes(i)\y = 100 - i
  foes(i)\name$ = "foe" + Str(i)
  foes(i)\alive = 1
Next
foes(2)\alive = 0
count = 0
For i = 0 To ArraySize(foes())
  If foes(i)\alive
    count + 1
  EndIf
Next
Debug Str(count) + " " + foes(3)\name$ + " " + Str(foes(3)\x + foes(3)\y)
NewList shots.Enemy()
For i = 1 To 5
  AddElement(shots())
  shots()\x = i
  shots()\y = i * i
Next
ForEach shots()
  If shots()\y > 10
    DeleteElement(shots())
  EndIf
Next
sum = 0
ForEach shots()
  sum + shots()\y
Next
Debug Str(ListSize(shots())) + " " + Str(sum)
; expect:
; 3 foe3 127
; 3 14

; Lists of numbers and of structures, a two-dimensional array, string functions and
; procedures, then a loop that ends the program from inside a procedure: nothing after that
; End runs, and the open window closes
Structure Point
  x.i
  y.i
EndStructure

NewList scores.i()
NewList points.Point()
Dim grid.i(2, 3)

Procedure.i Sum(a, b)
  ProcedureReturn a + b
EndProcedure

Procedure AddPoint(px, py)
  AddElement(points())
  points()\x = px
  points()\y = py
EndProcedure

For i = 1 To 4
  AddElement(scores())
  scores() = i * 10
Next
FirstElement(scores())
DeleteElement(scores())
Debug "scores = " + ListJoin(scores(), ",")
Debug "size = " + Str(ListSize(scores()))

AddPoint(1, 2)
AddPoint(3, 4)
total = 0
ForEach points()
  total = total + Sum(points()\x, points()\y)
Next
Debug "points = " + Str(total)

For r = 0 To 2
  For c = 0 To 3
    grid(r, c) = r * 10 + c
  Next
Next
Debug "grid = " + Str(grid(2, 3)) + " of " + Str(ArraySize(grid(), 1)) + "x" + Str(ArraySize(grid(), 2))

name$ = "  Quill Cast  "
name$ = Trim(name$)
Debug "text = " + UCase(ReplaceString(name$, " ", "-")) + " " + Str(FindString(name$, "Cast", 0)) + " " + StringField("a;b;c", 2, ";")
Debug "val = " + Str(Val("$1F") + Val("12abc"))

frames = 0
Repeat
  frames = frames + 1
  If frames = 3
    Debug "frames = " + Str(frames)
  EndIf
Until frames = 5
Debug "done " + Str(frames)

Procedure Quit()
  Debug "bye"
  End
EndProcedure

OpenWindow(0, 10, 10, 200, 100, "Main")
ticks = 0
Repeat
  ticks = ticks + 1
  If ticks = 2
    Quit()
  EndIf
Until ticks >= 2
Debug "after the loop"
; do:
; see window0 missing
; expect:
; scores = 20,30,40
; size = 3
; points = 10
; grid = 23 of 2x3
; text = QUILL-CAST 7 b
; val = 43
; frames = 3
; done 5
; bye

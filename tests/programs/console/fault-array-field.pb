; Reading a field of an array element past the end stops the program with its line
Structure Point
  x.i
  y.i
EndStructure
Dim points.Point(3)
Procedure.i FieldOf(i)
  ProcedureReturn points(i)\x
EndProcedure
OpenConsole()
For i = 0 To 10
  PrintN(Str(FieldOf(i)))
Next
PrintN("not reached")
; expect-error:
; line 8: array index out of bounds
; console:
; 0
; 0
; 0
; 0

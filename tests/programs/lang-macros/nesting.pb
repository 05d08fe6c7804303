; Macros use macros, in their bodies and in their arguments; a statement may use one macro
; twice; a body of several statements stands as a statement, also inside a block; a body may
; be empty
Macro Square(v)
  ((v) * (v))
EndMacro
Macro Fourth(v)
  Square(Square(v))
EndMacro
Macro Both(a, b)
  Debug Square(a) + Square(b)
  Debug Fourth(a)
EndMacro
Macro Nothing
EndMacro
Macro Hello()
  "hi"
EndMacro
Debug Square(2) + Square(3)
Debug Fourth(2)
Debug Square(Square(3))
For i = 1 To 2
  Both(i, 2)
Next
Nothing
Debug Hello() + "!"
; expect:
; 13
; 16
; 81
; 5
; 1
; 8
; 16
; hi!

; Effects in source order: loops in Else branches, Break and Continue
For t = 0 To 1
  Debug "t" + Str(t)
Next
If t = 2
  Debug "skip"
Else
  Debug "never"
EndIf
x = 0
If x
  Debug "then"
Else
  Repeat
    c = c + 1
    Debug "c" + Str(c)
  Until c = 2
  Debug "d"
EndIf
Debug "e"
If x = 0
  Repeat
    p = p + 1
  Until p = 2
  Debug "p" + Str(p)
Else
  Repeat
    q = q + 1
  Until q = 2
  Debug "q"
EndIf
Repeat
  n = n + 1
  If n = 2
    Continue
  EndIf
  Debug "n" + Str(n)
  If n = 4
    Break
  EndIf
ForEver
Debug "end"
; expect:
; t0
; t1
; skip
; c1
; c2
; d
; e
; p2
; n1
; n3
; n4
; end

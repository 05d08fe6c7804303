; Effects in source order: a loop nested in an If inside a loop
Debug "a"
Repeat
  n = n + 1
  Debug "b" + Str(n)
  If n = 2
    Repeat
      m = m + 1
      Debug "c" + Str(m)
    Until m = 2
    Debug "d"
  EndIf
  Debug "e" + Str(n)
Until n = 3
Debug "f"
; expect:
; a
; b1
; e1
; b2
; c1
; c2
; d
; e2
; b3
; e3
; f

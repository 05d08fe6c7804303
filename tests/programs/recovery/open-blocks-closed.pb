; Blocks left open are reported at their head and closed where their procedure or the
; program ends: nothing is written outside the page's functions, so the page still runs
Procedure Check(n)
  If n > 1
    Debug "big"
EndProcedure
Check(2)
Repeat
  e = WindowEvent()
  If e = 0
    Debug "idle"
Until e = 0
For i = 1 To 2
  Debug i
; expect:
; big
; idle
; 1
; 2
; expect-log:
; line 4: If without EndIf
; line 10: If without EndIf
; line 13: For without Next

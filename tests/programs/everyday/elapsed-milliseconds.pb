; ElapsedMilliseconds counts whole milliseconds that never go back, and follows a Delay
start = ElapsedMilliseconds()
whole = 1
backwards = 0
last = start
For i = 1 To 20000
  t = ElapsedMilliseconds()
  If t <> Int(t) : whole = 0 : EndIf
  If t < last : backwards = 1 : EndIf
  last = t
Next
Delay(120)
Debug Str(whole) + " " + Str(backwards) + " " + Str(Bool(ElapsedMilliseconds() - start >= 120))
; expect:
; 1 0 1

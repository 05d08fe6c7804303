; ElapsedMilliseconds counts whole milliseconds that never go back, and follows a Delay;
; Date() is now (the fake clock of the tests starts in November 2023), in whole seconds, and
; its parts give it back
start = ElapsedMilliseconds()
whole = 1
backwards = 0
last.d = start
For i = 1 To 20000
  t.d = ElapsedMilliseconds()
  If t <> Int(t) : whole = 0 : EndIf
  If t < last : backwards = 1 : EndIf
  last = t
Next
Delay(120)
Debug Str(whole) + " " + Str(backwards) + " " + Str(Bool(ElapsedMilliseconds() - start >= 120))
now = Date()
Debug Bool(Year(now) >= 2023 And now = Date(Year(now), Month(now), Day(now), Hour(now), Minute(now), Second(now)))
; expect:
; 1 0 1
; 1

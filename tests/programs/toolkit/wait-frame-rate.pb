; A loop that waits at most 10 ms for an event keeps the full frame rate (about 30 passes a
; second) when nothing happens: the short wait ends on a timer of its own, not on the next frame
OpenWindow(0, 10, 10, 200, 100, "Rate")
While WindowEvent() : Wend
passes = 0
start = ElapsedMilliseconds()
Repeat
  e = WaitWindowEvent(10)
  passes + 1
Until ElapsedMilliseconds() - start >= 1000
If passes >= 22
  Debug "full rate"
Else
  Debug "slow " + Str(passes)
EndIf
; expect:
; full rate
; clock: real

; WaitWindowEvent waits: with a timeout it gives 0 only once that time has passed with nothing
; happening, on a loop's first pass too; a For or While loop around it waits on every pass; a
; wait without a timeout never gives 0; an event ends the wait before its timeout; inside a
; Select block, where the program is not cut, it waits too. The clicks must come after the
; straight wait, which a fake clock moved in steps cannot promise: the case runs on the real one
OpenWindow(0, 10, 10, 240, 120, "Wait")
ButtonGadget(1, 10, 10, 100, 24, "Go")
While WindowEvent() : Wend
start = ElapsedMilliseconds()
Repeat
  e = WaitWindowEvent(300)
Until e = 0
If ElapsedMilliseconds() - start >= 290
  Debug "first pass waited"
EndIf
start = ElapsedMilliseconds()
For i = 1 To 3
  WaitWindowEvent(120)
Next
If ElapsedMilliseconds() - start >= 350
  Debug "for waited"
EndIf
n = 0
start = ElapsedMilliseconds()
While WaitWindowEvent(100) = 0 And n < 2
  n + 1
Wend
If ElapsedMilliseconds() - start >= 290
  Debug "while waited " + Str(n)
EndIf
e = WaitWindowEvent(150)
Debug "straight " + Str(e)
Repeat
  e = WaitWindowEvent()
  If e = 0
    Debug "zero without timeout"
  EndIf
Until e = #PB_Event_Gadget
Debug "clicked " + Str(EventGadget())
start = ElapsedMilliseconds()
e = WaitWindowEvent(20000)
If e = #PB_Event_Gadget And ElapsedMilliseconds() - start < 10000
  Debug "click before timeout"
EndIf
Repeat
  e = WaitWindowEvent()
  Select e
    Case #PB_Event_Gadget
      start = ElapsedMilliseconds()
      e = WaitWindowEvent(200)
      If e = 0 And ElapsedMilliseconds() - start >= 190
        Debug "waited in a Select"
      EndIf
  EndSelect
Until e = 0
; clock: real
; do:
; wait 1500
; click Go
; wait 300
; click Go
; wait 300
; click Go
; expect:
; first pass waited
; for waited
; while waited 2
; straight 0
; clicked 1
; click before timeout
; waited in a Select

; A worker thread fills a progress bar for a second and a half while the window stays usable:
; a click on the button during the work is answered while the work goes on, and the bar
; reaches its end
; clock: real
Global done, progress
Procedure Work(ms)
  start = ElapsedMilliseconds()
  Repeat
    passes + 1
    progress = (ElapsedMilliseconds() - start) * 100 / ms
  Until ElapsedMilliseconds() - start >= ms
  progress = 100
  done = 1
EndProcedure
OpenWindow(0, 0, 0, 300, 120, "Work")
ProgressBarGadget(1, 10, 10, 280, 20, 0, 100)
ButtonGadget(2, 10, 40, 100, 25, "Ping")
TextGadget(3, 10, 80, 280, 20, "working")
t = CreateThread(@Work(), 1500)
Repeat
  e = WaitWindowEvent(20)
  SetGadgetState(1, progress)
  If e = #PB_Event_Gadget And EventGadget() = 2
    If done
      SetGadgetText(3, "answered after the work")
    Else
      SetGadgetText(3, "answered while working")
    EndIf
  EndIf
Until done
SetGadgetState(1, progress)
SetGadgetText(3, GetGadgetText(3) + ", done")
; do:
; wait 300
; click Ping
; see 3 text answered while working
; see 3 text answered while working, done
; see 1 .value 100

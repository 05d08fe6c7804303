; A worker thread fills a progress bar while the window stays usable: a click on the button
; during the work is answered within 100 ms while the work goes on, and the bar reaches its
; end. The work goes on for at least a second and a half, and until the click is answered
; (at most ten seconds), so the click comes during the work however slowly the page started
; clock: real
Global done, progress, answered
Procedure Work(ms)
  start = ElapsedMilliseconds()
  Repeat
    passes + 1
    spent = ElapsedMilliseconds() - start
    progress = spent * 100 / ms
  Until spent >= ms Or (answered And spent >= 1500)
  progress = 100
  done = 1
EndProcedure
OpenWindow(0, 0, 0, 300, 120, "Work")
ProgressBarGadget(1, 10, 10, 280, 20, 0, 100)
ButtonGadget(2, 10, 40, 100, 25, "Ping")
TextGadget(3, 10, 80, 280, 20, "working")
t = CreateThread(@Work(), 10000)
Repeat
  e = WaitWindowEvent(20)
  SetGadgetState(1, progress)
  If e = #PB_Event_Gadget And EventGadget() = 2
    If done
      SetGadgetText(3, "answered after the work")
    Else
      SetGadgetText(3, "answered while working")
      answered = 1
    EndIf
  EndIf
Until done
SetGadgetState(1, progress)
SetGadgetText(3, GetGadgetText(3) + ", done")
; do:
; wait 300
; click Ping answered within 100 ms by 3 text answered while working
; see 3 text answered while working, done
; see 1 .value 100

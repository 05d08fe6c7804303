; An event loop inside a procedure waits for events as it does in the main program: the
; procedure runs as an async function, its callers wait for it, a bound event and a window
; timer still come while it waits, and a wait with a timeout gives 0 once it is over
Procedure.i NextEvent(timeout)
  ProcedureReturn WaitWindowEvent(timeout)
EndProcedure

Procedure Clicked()
  Debug "bound " + Str(EventGadget())
EndProcedure

Procedure.i Main()
  OpenWindow(0, 10, 10, 240, 120, "Loop", #PB_Window_SystemMenu)
  ButtonGadget(1, 10, 10, 100, 24, "Go")
  ButtonGadget(2, 120, 10, 100, 24, "Stop")
  BindGadgetEvent(1, @Clicked())
  While WindowEvent() : Wend
  start = ElapsedMilliseconds()
  If NextEvent(250) = 0 And ElapsedMilliseconds() - start >= 240
    Debug "timeout gave 0"
  EndIf
  AddWindowTimer(0, 7, 100)
  ticks = 0
  Repeat
    e = WaitWindowEvent()
    Select e
      Case #PB_Event_Timer
        ticks + 1
        If ticks = 2
          Debug "two ticks"
        EndIf
      Case #PB_Event_Gadget
        Debug "gadget " + Str(EventGadget())
    EndSelect
  Until e = #PB_Event_Gadget And EventGadget() = 2
  RemoveWindowTimer(0, 7)
  ProcedureReturn 42
EndProcedure

Debug "before"
result = Main()
Debug "after " + Str(result)
; do:
; wait 600
; click Go
; click Stop
; expect:
; before
; timeout gave 0
; two ticks
; bound 1
; gadget 1
; gadget 2
; after 42

; An event loop made with a label and Goto, waiting for each event, as older programs write it
OpenWindow(0, 0, 0, 240, 120, "Loop")
ButtonGadget(1, 10, 10, 100, 24, "Count")
ButtonGadget(2, 10, 40, 100, 24, "Stop")
again:
event = WaitWindowEvent()
If event = #PB_Event_Gadget And EventGadget() = 1
  clicks + 1
  Debug "click " + Str(clicks)
  Delay(10)
ElseIf event = #PB_Event_Gadget And EventGadget() = 2
  Goto stopped
EndIf
Goto again
stopped:
Debug "stopped after " + Str(clicks)
; do:
; click Count
; click Count
; click Stop
; expect:
; click 1
; click 2
; stopped after 2

; Window events from the title buttons, a second window, the close box, and a wait with a
; timeout that ends with 0 each time only once that time has passed with nothing happening
OpenWindow(0, 10, 10, 300, 150, "One", #PB_Window_SystemMenu | #PB_Window_MaximizeGadget | #PB_Window_MinimizeGadget)
OpenWindow(1, 350, 10, 200, 150, "Two")
TextGadget(1, 10, 10, 100, 20, "In two")
SetActiveWindow(0)
Repeat
  e = WaitWindowEvent()
  Select e
    Case #PB_Event_SizeWindow
      Debug "size " + Str(EventWindow()) + " " + Str(GetWindowState(EventWindow()))
    Case #PB_Event_ActivateWindow
      Debug "active " + Str(EventWindow()) + " " + Str(GetActiveWindow())
    Case #PB_Event_CloseWindow
      Debug "close " + Str(EventWindow())
      Break
  EndSelect
ForEver
start = ElapsedMilliseconds()
zeros = 0
Repeat
  If WaitWindowEvent(150) = 0
    zeros + 1
  EndIf
Until zeros = 3
If ElapsedMilliseconds() - start >= 440
  Debug "waited"
EndIf
; do:
; click []
; click _
; click In two
; click X
; expect:
; active 0 0
; size 0 1024
; size 0 2048
; active 1 1
; active 0 0
; close 0
; waited

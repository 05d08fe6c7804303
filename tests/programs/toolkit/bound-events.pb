; Procedures bound to gadget, menu, timer and window events run while the main loop waits in
; WaitWindowEvent, with EventGadget() and the rest set; UnbindEvent stops one
Global ticks
Procedure OnButton()
  Debug "button " + Str(EventGadget()) + " " + Str(EventType())
EndProcedure
Procedure OnMenu()
  Debug "menu " + Str(EventMenu())
EndProcedure
Procedure OnTimer()
  ticks + 1
  If ticks = 1
    Debug "timer " + Str(EventTimer())
    UnbindEvent(#PB_Event_Timer, @OnTimer())
  EndIf
EndProcedure
Procedure OnAnyGadget()
  Debug "any gadget " + Str(EventGadget())
EndProcedure
OpenWindow(0, 10, 10, 300, 150, "Bound")
CreateMenu(0, WindowID(0))
MenuTitle("Tools")
MenuItem(7, "Run")
ButtonGadget(1, 10, 10, 100, 24, "Press")
ButtonGadget(2, 10, 40, 100, 24, "Other")
BindGadgetEvent(1, @OnButton(), #PB_EventType_LeftClick)
BindMenuEvent(0, 7, @OnMenu())
BindEvent(#PB_Event_Timer, @OnTimer(), 0)
BindEvent(#PB_Event_Gadget, @OnAnyGadget())
AddWindowTimer(0, 3, 50)
Repeat
  e = WaitWindowEvent()
Until e = #PB_Event_CloseWindow
; do:
; wait 200
; click Press
; click Other
; click Tools
; click Run
; expect:
; timer 3
; button 1 1
; any gadget 1
; any gadget 2
; menu 7

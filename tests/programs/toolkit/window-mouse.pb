; WindowMouseX and WindowMouseY give the mouse position inside the window's client area
OpenWindow(0, 40, 30, 300, 200, "Mouse")
ButtonGadget(1, 20, 30, 100, 40, "Here")
Repeat
  Event = WaitWindowEvent()
  If Event = #PB_Event_Gadget
    Debug Str(WindowMouseX(0)) + "," + Str(WindowMouseY(0))
    Break
  EndIf
ForEver
; mouse:
; move 1 7 9
; click 1 7 9
; expect:
; 27,39

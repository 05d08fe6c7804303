; Enlarging a resizable window by its grip enlarges its inner area: a button moved to the new
; bottom on the size event is seen there, not clipped away
OpenWindow(0, 0, 0, 200, 100, "Grow", #PB_Window_SystemMenu | #PB_Window_SizeGadget)
ButtonGadget(1, 10, 10, 80, 24, "Top")
ButtonGadget(2, 10, 70, 80, 24, "Bottom")
Repeat
  e = WaitWindowEvent()
  If e = #PB_Event_SizeWindow
    ResizeGadget(2, 10, WindowHeight(0) - 30, 80, 24)
    Debug Str(WindowWidth(0)) + "x" + Str(WindowHeight(0))
  EndIf
Until e = #PB_Event_CloseWindow
; do:
; mouse down window0 208 127
; mouse move window0 258 227
; mouse up window0 258 227
; see window0_content .clientHeight 199
; see at 40 220 2
; expect:
; 250x200

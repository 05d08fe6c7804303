; Dragging a window by its title bar moves it: a move event, then WindowX and WindowY say
; where; dragging the corner grip of a window with #PB_Window_SizeGadget resizes it
OpenWindow(0, 40, 30, 200, 100, "Drag me", #PB_Window_SystemMenu | #PB_Window_SizeGadget)
OpenWindow(1, 300, 30, 100, 60, "Fixed")
SetActiveWindow(0)
Repeat
  e = WaitWindowEvent()
  Select e
    Case #PB_Event_MoveWindow
      Debug "moved " + Str(EventWindow()) + " " + Str(WindowX(0)) + " " + Str(WindowY(0))
    Case #PB_Event_SizeWindow
      Debug "sized " + Str(EventWindow()) + " " + Str(WindowWidth(0)) + " " + Str(WindowHeight(0))
  EndSelect
ForEver
; mouse:
; down window0_title 60 8
; move window1_title 20 8
; up window1_title 20 8
; move window0 20 20
; down window0 207 126
; move window0 237 146
; up window0 237 146
; expect:
; moved 0 260 30
; sized 0 230 120

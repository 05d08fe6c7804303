; Dragging a window by its title bar moves it: a move event, then WindowX and WindowY say
; where; the pointer moving without a press, or dragging the body, moves nothing; dragging the
; corner grip of a window with #PB_Window_SizeGadget resizes it; a press raises a window once;
; the close box only reports
OpenWindow(0, 40, 30, 200, 100, "Drag me", #PB_Window_SystemMenu | #PB_Window_SizeGadget)
OpenWindow(1, 300, 30, 100, 60, "Fixed", #PB_Window_TitleBar)
SetActiveWindow(0)
Repeat
  e = WaitWindowEvent()
  Select e
    Case #PB_Event_MoveWindow
      Debug "moved " + Str(EventWindow()) + " " + Str(WindowX(0)) + " " + Str(WindowY(0))
    Case #PB_Event_SizeWindow
      Debug "sized " + Str(EventWindow()) + " " + Str(WindowWidth(0)) + " " + Str(WindowHeight(0))
    Case #PB_Event_CloseWindow
      Debug "close " + Str(EventWindow())
  EndSelect
ForEver
; mouse:
; down window0_title 60 8
; move window1_title -200 207
; up window1_title -200 207
; move window1_title 0 300
; down window0_content 20 20
; move window0_content 60 60
; up window0_content 60 60
; down window0 207 126
; move window0 237 146
; up window0 237 146
; click window1_content 10 10
; click window1_content 10 20
; click window0_content 5 5
; do:
; click X
; see window0 left 40px
; see window0 top 229px
; see window1 left 300px
; see window1 z-index 1001
; see window0 z-index 1002
; see window0_title text Drag me
; expect:
; moved 0 40 229
; sized 0 230 120
; close 0

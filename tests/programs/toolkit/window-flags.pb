; Window flags and states: sizes as asked, centring, hidden, minimised and maximised windows,
; a number picked with #PB_Any, and the title buttons each flag adds
OpenWindow(0, 10, 20, 300, 200, "Main", #PB_Window_SystemMenu | #PB_Window_MinimizeGadget | #PB_Window_MaximizeGadget | #PB_Window_SizeGadget)
Debug Str(WindowX(0)) + " " + Str(WindowY(0)) + " " + Str(WindowWidth(0)) + " " + Str(WindowHeight(0))
OpenWindow(1, 0, 0, 100, 50, "Child", #PB_Window_WindowCentered | #PB_Window_Tool, WindowID(0))
Debug Str(WindowX(1)) + " " + Str(WindowY(1))
OpenWindow(2, 0, 0, 100, 100, "Centred", #PB_Window_ScreenCentered | #PB_Window_TitleBar)
If WindowX(2) > 0 And WindowY(2) > 0
  Debug "centred"
EndIf
OpenWindow(3, 0, 0, 80, 60, "Hidden", #PB_Window_Invisible | #PB_Window_BorderLess | #PB_Window_NoGadgets)
Debug IsWindow(3)
HideWindow(3, 0)
w = OpenWindow(#PB_Any, 0, 0, 80, 60, "Picked", #PB_Window_Maximize)
If w <> 0 And w <> 1 And IsWindow(w)
  Debug "picked"
EndIf
Debug GetWindowState(w)
OpenWindow(4, 0, 0, 80, 60, "Small", #PB_Window_Minimize)
Debug GetWindowState(4)
SetWindowState(4, #PB_Window_Normal)
Debug GetWindowState(4)
SetWindowState(0, #PB_Window_Maximize)
Debug GetWindowState(0)
SetWindowState(0, #PB_Window_Normal)
StickyWindow(1, #True)
ResizeWindow(0, 30, #PB_Ignore, 320, #PB_Ignore)
Debug Str(WindowX(0)) + " " + Str(WindowWidth(0)) + " " + Str(WindowHeight(0))
; expect:
; 10 20 300 200
; 110 95
; centred
; 1
; picked
; 1024
; 2048
; 0
; 1024
; 30 320 200

; An ElseIf chain inside a Repeat event loop of the main program
OpenWindow(0, 0, 0, 200, 100, "loop")
ButtonGadget(1, 10, 10, 80, 20, "go")
count = 0
Repeat
  event = WaitWindowEvent()
  count + 1
  If count = 1
    Debug "first pass"
  ElseIf count = 2
    Debug "second pass"
  ElseIf event = #PB_Event_CloseWindow
    Debug "closed"
  Else
    quit = 1
  EndIf
Until quit = 1
Debug "after " + Str(count)
; expect:
; first pass
; second pass
; after 3

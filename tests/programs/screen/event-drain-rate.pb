; The usual game loop of a windowed screen: an inner loop takes the window's events until
; there are none, then the frame is drawn and shown. The inner loop and the switch back to the
; drawing cost no frame of their own, so the game keeps about 30 frames a second
OpenWindow(0, 0, 0, 320, 200, "Game", #PB_Window_SystemMenu)
OpenWindowedScreen(WindowID(0), 0, 0, 320, 200)
frames = 0
start = ElapsedMilliseconds()
Repeat
  Repeat
    Event = WindowEvent()
    If Event = #PB_Event_CloseWindow
      End
    EndIf
  Until Event = 0
  ClearScreen(RGB(0, 0, 0))
  FlipBuffers()
  frames + 1
Until ElapsedMilliseconds() - start >= 1000
If frames >= 22 And frames <= 40
  Debug "full frame rate"
Else
  Debug "frames " + Str(frames)
EndIf
; expect:
; full frame rate
; clock: real

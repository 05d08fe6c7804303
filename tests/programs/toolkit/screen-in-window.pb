; A windowed screen opened in a window shows in the window's inner area, above its body
OpenWindow(0, 20, 20, 300, 200, "Game")
ButtonGadget(1, 230, 10, 60, 24, "Beside")
OpenWindowedScreen(WindowID(0), 10, 10, 200, 150)
ClearScreen(RGB(255, 0, 0))
FlipBuffers()
; do:
; see at 120 100 QLCXcanvas
; see at 40 180 QLCXcanvas
; see at 280 150 window0_content
; see at 260 60 1

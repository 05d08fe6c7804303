; A window's own output sits behind its gadgets; the screen takes Plot and Point as an image does
OpenWindow(0, 0, 0, 200, 100, "Output")
ButtonGadget(1, 100, 10, 80, 24, "On top")
If StartDrawing(WindowOutput(0))
  Box(0, 0, 50, 50, RGB(0, 0, 255))
  Plot(60, 5, RGB(255, 0, 0))
  Debug Str(Point(10, 10)) + " " + Str(Point(60, 5)) + " " + Str(Point(61, 5))
  StopDrawing()
EndIf
OpenWindowedScreen(WindowID(0), 0, 120, 40, 30)
ClearScreen(RGB(0, 255, 0))
StartDrawing(ScreenOutput())
Plot(3, 4, RGB(255, 0, 0))
Debug Str(Point(3, 4)) + " " + Str(Point(5, 5))
DrawingMode(#PB_2DDrawing_Outlined)
Circle(20, 15, 5, RGB(0, 0, 255))
Debug Str(Point(20, 15)) + " " + Str(Point(25, 15))
StopDrawing()
; expect:
; 16711680 255 0
; 255 65280
; 65280 16711680

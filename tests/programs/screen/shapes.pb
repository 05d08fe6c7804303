; Shapes on a windowed screen leave exact pixels: boxes, a circle, lines over whole pixels
; only, text; a missing colour is black; ClearScreen covers everything
OpenWindowedScreen(0, 0, 0, 100, 100)
ClearScreen(RGB(0, 0, 255))
StartDrawing(ScreenOutput())
Box(10, 10, 20, 20, RGB(255, 0, 0))
Box(40, 10, 5, 5)
Circle(70, 70, 10, RGB(255, 255, 0))
LineXY(0, 90, 100, 90, RGB(255, 255, 255))
LineXY(90, 0, 90, 50, RGB(255, 255, 255))
DrawText(5, 40, "Hi", RGB(0, 255, 0))
Debug Str(Point(15, 15)) + " " + Str(Point(31, 31)) + " " + Str(Point(42, 12)) + " " + Str(Point(70, 70)) + " " + Str(Point(70, 82)) + " " + Str(Point(50, 60))
Debug Str(Point(50, 89)) + " " + Str(Point(50, 90)) + " " + Str(Point(89, 20)) + " " + Str(Point(90, 20))
For x = 0 To 29
  For y = 35 To 54
    If Green(Point(x, y)) > 128 And Blue(Point(x, y)) < 128
      green + 1
    EndIf
  Next
Next
If green > 5
  Debug "text drawn"
EndIf
StopDrawing()
ClearScreen(RGB(255, 0, 0))
StartDrawing(ScreenOutput())
Debug Str(Point(0, 0)) + " " + Str(Point(15, 15)) + " " + Str(Point(70, 70)) + " " + Str(Point(99, 99))
StopDrawing()
; do:
; see QLCXcanvas .width 100
; see QLCXcanvas .height 100
; expect:
; 255 16711680 0 65535 16711680 16711680
; 16711680 16777215 16711680 16777215
; text drawn
; 255 255 255 255

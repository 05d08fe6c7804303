; The default mode fills shapes and puts text on the back colour; a missing colour is the front
; colour
CreateImage(0, 60, 40, 24, RGB(255, 255, 255))
StartDrawing(ImageOutput(0))
DrawingMode(#PB_2DDrawing_Default)
Circle(10, 10, 5, RGB(255, 0, 0))
Debug Str(Point(10, 10)) + " " + Str(Point(15, 10)) + " " + Str(Point(16, 10)) + " " + Str(Point(10, 5)) + " " + Str(Point(10, 4))
Ellipse(40, 10, 8, 3, RGB(0, 0, 255))
Debug Str(Point(48, 10)) + " " + Str(Point(49, 10)) + " " + Str(Point(40, 13)) + " " + Str(Point(40, 14))
RoundBox(0, 20, 20, 20, 6, 6, RGB(0, 255, 0))
Debug Str(Point(0, 20)) + " " + Str(Point(10, 20)) + " " + Str(Point(0, 30)) + " " + Str(Point(19, 39))
FrontColor(RGB(1, 2, 3))
Box(30, 30, 2, 2)
Debug Str(Point(31, 31)) + " " + Str(Point(32, 31))
BackColor(RGB(0, 0, 255))
DrawText(40, 20, "W", RGB(255, 255, 255))
Debug Point(40, 20)
StopDrawing()
; expect:
; 255 255 16777215 255 16777215
; 16711680 16777215 16711680 16777215
; 16777215 65280 65280 16777215
; 197121 16777215
; 16711680

; Outlined shapes are closed one-pixel edges of the filled shapes; FillArea fills up to them
CreateImage(0, 60, 60, 24, RGB(255, 255, 255))
StartDrawing(ImageOutput(0))
DrawingMode(#PB_2DDrawing_Outlined)
Box(0, 0, 10, 10, RGB(255, 0, 0))
Debug Str(Point(0, 0)) + " " + Str(Point(9, 9)) + " " + Str(Point(5, 5)) + " " + Str(Point(9, 5))
Circle(30, 30, 10, RGB(0, 0, 255))
Debug Str(Point(30, 30)) + " " + Str(Point(40, 30)) + " " + Str(Point(30, 20)) + " " + Str(Point(39, 30))
FillArea(30, 30, RGB(0, 0, 255), RGB(0, 255, 0))
Debug Str(Point(30, 30)) + " " + Str(Point(39, 30)) + " " + Str(Point(40, 30)) + " " + Str(Point(41, 30)) + " " + Str(Point(5, 50))
Ellipse(30, 52, 6, 3, RGB(255, 0, 0))
RoundBox(45, 0, 14, 14, 4, 4, RGB(255, 0, 0))
DrawingMode(#PB_2DDrawing_Default)
FillArea(30, 52, -1, RGB(0, 0, 255))
FillArea(52, 7, -1, RGB(0, 0, 255))
Debug Str(Point(30, 52)) + " " + Str(Point(36, 52)) + " " + Str(Point(37, 52)) + " " + Str(Point(52, 7)) + " " + Str(Point(45, 0))
StopDrawing()
; expect:
; 255 255 16777215 255
; 16777215 16711680 16711680 16777215
; 65280 65280 16711680 16777215 16777215
; 16711680 255 16777215 16711680 16777215

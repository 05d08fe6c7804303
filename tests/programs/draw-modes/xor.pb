; XOr flips the colour's bits: drawn twice, a shape leaves no trace; Outlined | XOr flips only
; the edge
CreateImage(0, 20, 20, 24, RGB(255, 0, 0))
StartDrawing(ImageOutput(0))
DrawingMode(#PB_2DDrawing_XOr)
Box(0, 0, 10, 10, RGB(255, 255, 0))
Plot(15, 15, RGB(0, 0, 255))
Debug Str(Point(5, 5)) + " " + Str(Point(15, 15)) + " " + Str(Point(12, 12))
Box(0, 0, 10, 10, RGB(255, 255, 0))
Debug Point(5, 5)
DrawingMode(#PB_2DDrawing_XOr | #PB_2DDrawing_Outlined)
Circle(10, 10, 5, RGB(255, 255, 255))
Debug Str(Point(10, 10)) + " " + Str(Point(15, 10))
StopDrawing()
; expect:
; 65280 16711935 255
; 255
; 255 16776960

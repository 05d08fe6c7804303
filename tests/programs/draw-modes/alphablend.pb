; AlphaBlend mixes by the colour's alpha: half red over black is half red
CreateImage(0, 20, 20, 24, RGB(0, 0, 0))
StartDrawing(ImageOutput(0))
DrawingMode(#PB_2DDrawing_AlphaBlend)
Box(0, 0, 10, 10, RGBA(255, 0, 0, 128))
Plot(15, 15, RGBA(0, 255, 0, 255))
Plot(16, 16, RGBA(0, 255, 0, 0))
Debug Str(Red(Point(5, 5))) + " " + Str(Point(15, 15)) + " " + Str(Point(16, 16))
DrawingMode(#PB_2DDrawing_Default)
Box(0, 0, 1, 1, RGBA(255, 0, 0, 0))
Debug Point(0, 0)
StopDrawing()
; expect:
; 128 65280 0
; 255

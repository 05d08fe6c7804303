; A sprite displayed while the program still draws on it shows the pixels plotted so far,
; and what is drawn after that display shows at the next one, once drawing has stopped
OpenWindowedScreen(0, 0, 0, 20, 10)
ClearScreen(RGB(0, 0, 100))
CreateSprite(0, 4, 4)
StartDrawing(SpriteOutput(0))
Plot(1, 1, RGB(255, 0, 0))
DisplaySprite(0, 0, 0)
DisplayTransparentSprite(0, 5, 0)
Plot(2, 2, RGB(0, 255, 0))
StopDrawing()
DisplayTransparentSprite(0, 10, 0)
StartDrawing(ScreenOutput())
Debug Str(Point(1, 1)) + " " + Str(Point(6, 1)) + " " + Str(Point(5, 0)) + " " + Str(Point(7, 2)) + " " + Str(Point(12, 2))
StopDrawing()
; expect:
; 255 255 6553600 6553600 65280

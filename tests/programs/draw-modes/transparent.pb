; Transparent text leaves the background between its letters
CreateImage(0, 60, 30, 24, RGB(0, 255, 0))
StartDrawing(ImageOutput(0))
BackColor(RGB(255, 0, 0))
DrawingMode(#PB_2DDrawing_Transparent)
DrawText(0, 0, "i", RGB(0, 0, 255))
Debug Point(0, 0)
DrawingMode(#PB_2DDrawing_Default)
DrawText(20, 0, "i", RGB(0, 0, 255))
Debug Point(20, 0)
If TextWidth("iii") > TextWidth("i") : Debug "wider" : EndIf
StopDrawing()
; expect:
; 65280
; 255
; wider

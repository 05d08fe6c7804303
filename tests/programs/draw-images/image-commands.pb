; Copies, grabs, resizes, sizes, frees, picked numbers, lines and drawing an image into another
CreateImage(1, 8, 6, 24, RGB(255, 0, 0))
StartDrawing(ImageOutput(1))
Box(4, 0, 4, 6, RGB(0, 0, 255))
Line(0, 5, 4, 1, RGB(0, 255, 0))
LineXY(0, 0, 3, 3, RGB(255, 255, 255))
StopDrawing()
copy = CopyImage(1, #PB_Any)
GrabImage(1, 2, 2, 0, 4, 3)
ResizeImage(1, 16, 12)
Debug Str(ImageWidth(1)) + "x" + Str(ImageHeight(1)) + " " + Str(ImageWidth(2)) + "x" + Str(ImageHeight(2))
Debug Str(IsImage(copy)) + " " + Str(ImageWidth(copy))
FreeImage(2)
Debug IsImage(2)
StartDrawing(ImageOutput(copy))
Debug Str(Point(0, 5)) + " " + Str(Point(3, 5)) + " " + Str(Point(4, 5)) + " " + Str(Point(2, 2)) + " " + Str(Point(3, 2))
StopDrawing()
CreateImage(3, 20, 20)
StartDrawing(ImageOutput(3))
Debug Point(10, 10)
DrawImage(ImageID(copy), 10, 10)
DrawImage(ImageID(copy), 0, 0, 4, 3)
Debug Str(Point(10, 10)) + " " + Str(Point(14, 10)) + " " + Str(Point(1, 1)) + " " + Str(Point(3, 2))
StopDrawing()
font = LoadFont(#PB_Any, "Arial", 30, #PB_Font_Bold | #PB_Font_Italic)
StartDrawing(ImageOutput(3))
small = TextHeight("A")
DrawingFont(FontID(font))
If TextHeight("A") > small + 10 : Debug "bigger font" : EndIf
StopDrawing()
; expect:
; 16x12 4x3
; 1 8
; 0
; 65280 65280 16711680 16777215 255
; 0
; 16777215 16711680 16777215 16711680
; bigger font

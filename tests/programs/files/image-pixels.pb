; An image the page holds keeps its pixels readable in a page opened from disk
OpenWindow(0, 0, 0, 100, 100, "pixels")
LoadImage(0, "data/halves.png")
Repeat
  e = WaitWindowEvent(20)
  n + 1
Until ImageWidth(0) > 0 Or n > 100
Debug Str(ImageWidth(0)) + "x" + Str(ImageHeight(0))
StartDrawing(ImageOutput(0))
Debug Str(Point(0, 0)) + " " + Str(Point(3, 3))
StopDrawing()
CreateImage(1, 8, 8)
StartDrawing(ImageOutput(1))
DrawImage(ImageID(0), 4, 4)
Debug Str(Point(4, 4)) + " " + Str(Point(0, 0))
StopDrawing()
; expect:
; 4x4
; 255 16711680
; 255 0

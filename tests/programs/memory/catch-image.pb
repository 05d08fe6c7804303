; An image whose file is in a data section, loaded from its bytes in the heap
DataSection
  Picture:
  IncludeBinary "halves.png"
  PictureEnd:
EndDataSection
OpenWindow(0, 0, 0, 100, 100, "caught")
CatchImage(0, ?Picture, ?PictureEnd - ?Picture)
Repeat
  e = WaitWindowEvent(20)
  n + 1
Until ImageWidth(0) > 0 Or n > 100
Debug Str(ImageWidth(0)) + "x" + Str(ImageHeight(0))
StartDrawing(ImageOutput(0))
Debug Str(Point(0, 0)) + " " + Str(Point(3, 3))
StopDrawing()
; expect:
; 4x4
; 255 16711680

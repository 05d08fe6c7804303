; The pixels of an image as memory: read as blue, green, red bytes, changed with PokeL, and
; back on the image once drawing stops
CreateImage(0, 4, 2)
StartDrawing(ImageOutput(0))
Box(0, 0, 4, 2, RGB(10, 20, 30))
*b = DrawingBuffer()
pitch = DrawingBufferPitch()
Debug pitch
Debug Bool(DrawingBufferPixelFormat() = #PB_PixelFormat_32Bits_BGR)
Debug Str(PeekA(*b)) + " " + Str(PeekA(*b + 1)) + " " + Str(PeekA(*b + 2))
; the second pixel of the second row: blue 0, green 0, red 255
PokeL(*b + pitch + 4, RGB(0, 0, 255))
For x = 0 To 3
  PokeA(*b + x * 4 + 1, 200)
Next
StopDrawing()
StartDrawing(ImageOutput(0))
Debug Hex(Point(1, 1))
Debug Hex(Point(0, 0))
Debug Hex(Point(3, 0))
Debug Hex(Point(0, 1))
StopDrawing()
; expect:
; 16
; 1
; 30 20 10
; FF
; 1EC80A
; 1EC80A
; 1E140A

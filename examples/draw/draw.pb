; Drawing: a Mandelbrot set computed pixel by pixel into an image that an image gadget shows,
; and a canvas to sketch on with the mouse.
;
; Hold the left mouse button on the canvas to draw, click the right button to stamp a ring,
; double-click to wipe the canvas. The text under the picture says how long the picture took.

Define.d cr, ci, zr, zi, t
width = 400
height = 300
depth = 60

OpenWindow(0, 10, 10, 640, 365, "Drawing")
TextGadget(1, 10, 320, 400, 20, "Computing...")
CanvasGadget(2, 420, 10, 200, 300)
TextGadget(4, 420, 320, 200, 20, "Draw here with the mouse")

; Every pixel is one Plot: the colour says how fast the point escapes
CreateImage(0, width, height)
start = ElapsedMilliseconds()
StartDrawing(ImageOutput(0))
For py = 0 To height - 1
	ci = (py - height / 2) * 2.4 / height
	For px = 0 To width - 1
		cr = (px - width * 0.65) * 2.4 / height
		zr = 0
		zi = 0
		n = 0
		While n < depth And zr * zr + zi * zi < 4
			t = zr * zr - zi * zi + cr
			zi = 2 * zr * zi + ci
			zr = t
			n + 1
		Wend
		If n = depth
			Plot(px, py, RGB(0, 0, 0))
		Else
			Plot(px, py, RGB(n * 4, n * 3, 90 + n * 2))
		EndIf
	Next
Next
DrawingMode(#PB_2DDrawing_Transparent)
DrawText(8, 6, "Mandelbrot", RGB(255, 255, 255))
StopDrawing()
took = ElapsedMilliseconds() - start
ImageGadget(3, 10, 10, width, height, ImageID(0))
SetGadgetText(1, "Mandelbrot set, " + Str(width) + " x " + Str(height) + " pixels with Plot: " + Str(took) + " ms")

; The canvas: a frame, then the strokes
Procedure ClearCanvas()
	StartDrawing(CanvasOutput(2))
	Box(0, 0, 200, 300, RGB(255, 255, 240))
	DrawingMode(#PB_2DDrawing_Outlined)
	Box(0, 0, 200, 300, RGB(120, 120, 120))
	StopDrawing()
EndProcedure

ClearCanvas()
drawing = 0
Repeat
	event = WaitWindowEvent()
	If event = #PB_Event_Gadget And EventGadget() = 2
		x = GetGadgetAttribute(2, #PB_Canvas_MouseX)
		y = GetGadgetAttribute(2, #PB_Canvas_MouseY)
		Select EventType()
			Case #PB_EventType_LeftButtonDown
				drawing = 1
				lastX = x
				lastY = y
			Case #PB_EventType_LeftButtonUp
				drawing = 0
			Case #PB_EventType_MouseMove
				If drawing
					StartDrawing(CanvasOutput(2))
					LineXY(lastX, lastY, x, y, RGB(30, 60, 200))
					StopDrawing()
					lastX = x
					lastY = y
				EndIf
			Case #PB_EventType_RightClick
				StartDrawing(CanvasOutput(2))
				DrawingMode(#PB_2DDrawing_Outlined)
				Circle(x, y, 12, RGB(200, 40, 40))
				StopDrawing()
			Case #PB_EventType_LeftDoubleClick
				ClearCanvas()
		EndSelect
	EndIf
Until event = #PB_Event_CloseWindow

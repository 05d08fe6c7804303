; An analogue clock that ticks from the start of the program
Global start = ElapsedMilliseconds()
Global centreX = 120, centreY = 120
Global face = $E0E0E0

Procedure Hand(angle.f, length, color)
	Protected x.f, y.f
	x = centreX + Sin(angle) * length
	y = centreY - Cos(angle) * length
	LineXY(centreX, centreY, x, y, color)
EndProcedure

Procedure DrawFace()
	Protected i, a.f
	Circle(centreX, centreY, 110, face)
	For i = 0 To 11
		a = i * #PI / 6
		Box(centreX + Sin(a) * 100 - 2, centreY - Cos(a) * 100 - 2, 4, 4, #Black)
	Next
EndProcedure

OpenWindow(0, 10, 10, 240, 260, "Clock")
OpenWindowedScreen(0, 0, 0, 240, 240)
Repeat
	seconds.f = (ElapsedMilliseconds() - start) / 1000
	ClearScreen(#White)
	StartDrawing(ScreenOutput())
	DrawFace()
	Hand(seconds * 2 * #PI / 60, 95, #Red)
	Hand(seconds * 2 * #PI / 3600, 80, #Black)
	Hand(seconds * 2 * #PI / 43200, 55, RGB(40, 40, 120))
	DrawText(85, 180, RSet(Str(Int(seconds)), 5, "0") + " s", #Blue)
	StopDrawing()
	FlipBuffers()
	e = WindowEvent()
Until e = #PB_Event_CloseWindow

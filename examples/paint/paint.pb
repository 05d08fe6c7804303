; Tiny Paint
;
; Hold the left mouse button to draw, press the right button to stamp a circle.
; Click a colour in the palette at the top to change the pen, click the white box
; with the red cross to wipe the picture.

Global penColor.i = RGB(0, 0, 0)
Global lastX.i = -1
Global lastY.i = -1
Global Dim palette.i(5)

palette(0) = RGB(0, 0, 0)
palette(1) = RGB(220, 30, 30)
palette(2) = RGB(30, 160, 40)
palette(3) = RGB(30, 60, 220)
palette(4) = RGB(250, 200, 0)
palette(5) = RGB(150, 60, 200)

; The palette boxes are 30 pixels wide with a 10 pixel gap, the wipe box comes last
Procedure DrawPalette()
	Protected i
	Box(0, 0, 640, 40, RGB(200, 200, 200))
	For i = 0 To 5
		Box(10 + i * 40, 5, 30, 30, palette(i))
		If palette(i) = penColor
			Box(10 + i * 40, 37, 30, 3, RGB(0, 0, 0))
		EndIf
	Next
	Box(600, 5, 30, 30, RGB(255, 255, 255))
	LineXY(603, 8, 627, 32, RGB(255, 0, 0))
	LineXY(627, 8, 603, 32, RGB(255, 0, 0))
EndProcedure

Procedure WipePicture()
	Box(0, 40, 640, 440, RGB(255, 255, 255))
EndProcedure

; Which palette box is under x? -1 for none, 6 for the wipe box
Procedure.i PaletteBoxAt(x)
	Protected i
	For i = 0 To 5
		If x >= 10 + i * 40 And x < 40 + i * 40
			ProcedureReturn i
		EndIf
	Next
	If x >= 600 And x < 630
		ProcedureReturn 6
	EndIf
	ProcedureReturn -1
EndProcedure

InitSprite()
InitKeyboard()
InitMouse()
OpenWindowedScreen(0, 0, 0, 640, 480)

WipePicture()
DrawPalette()

Repeat
	ExamineMouse()
	x = MouseX()
	y = MouseY()

	If MouseButton(#PB_MouseButton_Left)
		If y < 40
			choice = PaletteBoxAt(x)
			Select choice
				Case -1
					; a click between the boxes does nothing
				Case 6
					WipePicture()
				Default
					penColor = palette(choice)
			EndSelect
			DrawPalette()
		Else
			If lastX >= 0
				LineXY(lastX, lastY, x, y, penColor)
			Else
				Box(x, y, 1, 1, penColor)
			EndIf
			lastX = x
			lastY = y
		EndIf
	Else
		lastX = -1
	EndIf

	If MouseButton(#PB_MouseButton_Right) And y > 52
		Circle(x, y, 12, penColor)
	EndIf

	FlipBuffers()
	ExamineKeyboard()
Until KeyboardPushed(#PB_Key_Escape)

End

; Snake with the cursor keys on a 20 x 15 grid
Global cell = 16
Global Dim field.i(19, 14)
Global NewList bodyX.i()
Global NewList bodyY.i()
Global dirX = 1, dirY = 0
Global headX = 5, headY = 7
Global score = 0, alive = #True
Global lastMove = 0

Procedure PlaceFood()
	Protected x, y
	Repeat
		x = Random(19) : y = Random(14)
	Until field(x, y) = 0
	field(x, y) = 2
EndProcedure

Procedure Grow()
	AddElement(bodyX()) : bodyX() = headX
	AddElement(bodyY()) : bodyY() = headY
	field(headX, headY) = 1
EndProcedure

Procedure Step_()
	headX + dirX
	headY + dirY
	If headX < 0 Or headX > 19 Or headY < 0 Or headY > 14
		alive = #False
		ProcedureReturn
	EndIf
	Select field(headX, headY)
		Case 1
			alive = #False
		Case 2
			score + 10
			Grow()
			PlaceFood()
		Default
			FirstElement(bodyX()) : FirstElement(bodyY())
			field(bodyX(), bodyY()) = 0
			DeleteElement(bodyX()) : DeleteElement(bodyY())
			LastElement(bodyX()) : LastElement(bodyY())
			Grow()
	EndSelect
EndProcedure

InitSprite()
InitKeyboard()
OpenWindowedScreen(0, 0, 0, 20 * cell, 15 * cell)
Grow()
PlaceFood()
Repeat
	ExamineKeyboard()
	If KeyboardPushed(#PB_Key_Left) And dirX = 0 : dirX = -1 : dirY = 0 : EndIf
	If KeyboardPushed(#PB_Key_Right) And dirX = 0 : dirX = 1 : dirY = 0 : EndIf
	If KeyboardPushed(#PB_Key_Up) And dirY = 0 : dirX = 0 : dirY = -1 : EndIf
	If KeyboardPushed(#PB_Key_Down) And dirY = 0 : dirX = 0 : dirY = 1 : EndIf
	If ElapsedMilliseconds() - lastMove > 150 And alive
		lastMove = ElapsedMilliseconds()
		Step_()
	EndIf
	ClearScreen(RGB(0, 40, 0))
	StartDrawing(ScreenOutput())
	For x = 0 To 19
		For y = 0 To 14
			Select field(x, y)
				Case 1
					Box(x * cell, y * cell, cell - 1, cell - 1, #Green)
				Case 2
					Box(x * cell + 4, y * cell + 4, 8, 8, #Red)
			EndSelect
		Next
	Next
	DrawText(4, 4, "Score " + Str(score), #White)
	StopDrawing()
	FlipBuffers()
Until alive = #False Or KeyboardPushed(#PB_Key_Escape)
MessageRequester("Snake", "Game over - score " + Str(score))

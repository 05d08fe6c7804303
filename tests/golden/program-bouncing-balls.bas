; Bouncing balls on a windowed screen
Structure Ball
	x.f
	y.f
	dx.f
	dy.f
	color.i
EndStructure

NewList balls.Ball()

Procedure SpawnBall(x, y)
	Shared balls()
	AddElement(balls())
	balls()\x = x
	balls()\y = y
	balls()\dx = RandomFloat(4) - 2
	balls()\dy = RandomFloat(4) - 2
	balls()\color = RGB(Random(255), Random(255), 255)
EndProcedure

If InitSprite() = 0 Or InitKeyboard() = 0
	MessageRequester("Error", "No screen")
	End
EndIf

OpenWindow(0, 0, 0, 400, 300, "Balls")
OpenWindowedScreen(0, 0, 0, 400, 300)
InitMouse()
For i = 1 To 5
	SpawnBall(200, 150)
Next

Repeat
	ClearScreen(#Black)
	ExamineMouse()
	If MouseButton(#PB_MouseButton_Left)
		SpawnBall(MouseX(), MouseY())
	EndIf
	StartDrawing(ScreenOutput())
	ForEach balls()
		balls()\x + balls()\dx
		balls()\y + balls()\dy
		If balls()\x < 5 Or balls()\x > 395 : balls()\dx = -balls()\dx : EndIf
		If balls()\y < 5 Or balls()\y > 295 : balls()\dy = -balls()\dy : EndIf
		Circle(balls()\x, balls()\y, 5, balls()\color)
	Next
	DrawText(5, 5, "Balls: " + Str(ListSize(balls())), #White)
	StopDrawing()
	FlipBuffers()
	ExamineKeyboard()
ForEver

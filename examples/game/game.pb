; Star Catcher - a little arcade game
;
; Steer the ship with the cursor keys, catch the yellow stars and keep clear of the
; tumbling rocks. Three hits and the game is over: press Space to play again.
; Escape quits.

Global shipX.i = 224
Global shipY.i = 300
Global starX.i = 0
Global starY.i = 0
Global score.i = 0
Global lives.i = 3
Global gameOver.i = #False
Global fps.i = 0

Global Dim rockX.f(2)
Global Dim rockY.f(2)
Global Dim rockSpeed.f(2)
Global Dim rockDrift.f(2)

; Puts the star somewhere new, away from the edges and the score line
Procedure PlaceStar()
	starX = Random(440) + 10
	starY = Random(200) + 40
EndProcedure

; Sends rock number i back to the top of the screen
Procedure ResetRock(i)
	rockX(i) = Random(440)
	rockY(i) = -40 - Random(120)
	rockSpeed(i) = 1.0 + RandomFloat(2.0)
	rockDrift(i) = RandomFloat(2.0) - 1.0
EndProcedure

Procedure NewGame()
	Protected i
	shipX = 224
	shipY = 300
	score = 0
	lives = 3
	gameOver = #False
	PlaceStar()
	For i = 0 To 2
		ResetRock(i)
	Next
EndProcedure

If InitSprite() = 0 Or InitKeyboard() = 0
	MessageRequester("Star Catcher", "Sorry, no sprites on this computer.")
	End
EndIf
InitSprite3D()
UsePNGImageDecoder()

OpenWindowedScreen(0, 0, 0, 480, 360)

LoadSprite(0, "ship.png")
LoadSprite(1, "rock.png")
LoadSprite(2, "star.png")

; three rocks share one picture, each turns on its own
For i = 0 To 2
	CreateSprite3D(i, 1)
Next

NewGame()

Repeat
	ClearScreen(RGB(0, 0, 40))
	ExamineKeyboard()

	If gameOver = #False
		If KeyboardPushed(#PB_Key_Left) : shipX - 4 : EndIf
		If KeyboardPushed(#PB_Key_Right) : shipX + 4 : EndIf
		If KeyboardPushed(#PB_Key_Up) : shipY - 4 : EndIf
		If KeyboardPushed(#PB_Key_Down) : shipY + 4 : EndIf

		; keep the ship on the screen
		If shipX < 0 : shipX = 0 : EndIf
		If shipX > 448 : shipX = 448 : EndIf
		If shipY < 24 : shipY = 24 : EndIf
		If shipY > 328 : shipY = 328 : EndIf

		For i = 0 To 2
			rockY(i) = rockY(i) + rockSpeed(i)
			rockX(i) = rockX(i) + rockDrift(i)
			If rockY(i) > 380
				ResetRock(i)
			EndIf
			If SpriteCollision(0, shipX, shipY, 1, rockX(i), rockY(i))
				lives - 1
				ResetRock(i)
				If lives = 0
					gameOver = #True
				EndIf
			EndIf
		Next

		If SpriteCollision(0, shipX, shipY, 2, starX, starY)
			score + 10
			PlaceStar()
		EndIf
	Else
		If KeyboardPushed(#PB_Key_Space)
			NewGame()
		EndIf
	EndIf

	DisplayTransparentSprite(2, starX, starY)
	DisplayTransparentSprite(0, shipX, shipY)

	Start3D()
	For i = 0 To 2
		RotateSprite3D(i, 2 + i, #PB_Relative)
		DisplaySprite3D(i, rockX(i), rockY(i))
	Next
	Stop3D()

	StartDrawing(ScreenOutput())
	DrawingMode(#PB_2DDrawing_Transparent)
	DrawText(10, 6, "Score: " + Str(score) + "   Lives: " + Str(lives) + "   FPS: " + Str(fps), RGB(255, 255, 255))
	If gameOver
		DrawText(170, 160, "GAME OVER - press Space", RGB(255, 80, 80))
	EndIf
	StopDrawing()

	FlipBuffers()
	fps = GetFPS()
Until KeyboardPushed(#PB_Key_Escape)

End

; Tic tac toe against a very simple computer player
Global Dim board.i(2, 2)
Global turn.i = 1
Global winner.i = 0

Procedure.i CheckLine(a, b, c)
	If a <> 0 And a = b And b = c
		ProcedureReturn a
	EndIf
	ProcedureReturn 0
EndProcedure

Procedure.i FindWinner()
	Protected i, w
	For i = 0 To 2
		w = CheckLine(board(i, 0), board(i, 1), board(i, 2))
		If w : ProcedureReturn w : EndIf
		w = CheckLine(board(0, i), board(1, i), board(2, i))
		If w : ProcedureReturn w : EndIf
	Next
	w = CheckLine(board(0, 0), board(1, 1), board(2, 2))
	If w = 0
		w = CheckLine(board(2, 0), board(1, 1), board(0, 2))
	EndIf
	ProcedureReturn w
EndProcedure

Procedure ComputerMove()
	Protected x, y, tries = 0
	Repeat
		x = Random(2)
		y = Random(2)
		tries + 1
	Until board(x, y) = 0 Or tries > 100
	board(x, y) = 2
EndProcedure

Procedure DrawBoard()
	Protected x, y
	StartDrawing(ScreenOutput())
	Box(0, 0, 300, 300, RGB(240, 240, 240))
	For x = 0 To 2
		For y = 0 To 2
			Select board(x, y)
				Case 1
					Circle(x * 100 + 50, y * 100 + 50, 30, #Blue)
				Case 2
					LineXY(x * 100 + 20, y * 100 + 20, x * 100 + 80, y * 100 + 80, #Red)
					LineXY(x * 100 + 80, y * 100 + 20, x * 100 + 20, y * 100 + 80, #Red)
			EndSelect
		Next y
	Next x
	StopDrawing()
EndProcedure

OpenWindow(0, 50, 50, 300, 300, "Tic Tac Toe")
OpenWindowedScreen(0, 0, 0, 300, 300)
InitMouse()
Repeat
	ExamineMouse()
	If winner = 0 And MouseButton(1)
		cx = MouseX() / 100 : cy = MouseY() / 100
		If cx >= 0 And cx <= 2 And cy >= 0 And cy <= 2 And board(Int(cx), Int(cy)) = 0
			board(Int(cx), Int(cy)) = 1
			winner = FindWinner()
			If winner = 0 : ComputerMove() : winner = FindWinner() : EndIf
		EndIf
	EndIf
	DrawBoard()
	FlipBuffers()
	If winner
		MessageRequester("Game over", "Player " + Str(winner) + " wins!")
		End
	EndIf
ForEver

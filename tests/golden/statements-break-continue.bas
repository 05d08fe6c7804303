; Break and Continue leave the loop they belong to: through a Select, and by a level
Procedure FirstAbove(limit)
	For i = 1 To 100
		Select i * i
			Case 49
				Continue
			Default
				If i * i > limit : Break : EndIf
		EndSelect
	Next
	ProcedureReturn i
EndProcedure

Procedure FindPair(target)
	found = 0
	For a = 1 To 9
		b = 1
		While b <= 9
			If a * b = target
				found = a * 10 + b
				Break 2
			EndIf
			b + 1
		Wend
	Next
	ProcedureReturn found
EndProcedure

Debug FirstAbove(50)
Debug FindPair(12)
n = 0
Repeat
	n + 1
	Select n
		Case 2
			Continue
		Case 4
			Break
	EndSelect
	Debug n
ForEver
Debug n

; High score table: arrays, a bubble sort and a static call counter
Global Dim names$(9)
Global Dim points.i(9)
Global used = 0

Procedure AddScore(who$, score)
	If used <= 9
		names$(used) = who$
		points(used) = score
		used + 1
	EndIf
EndProcedure

Procedure Swap_(i, j)
	Protected t$, t
	t$ = names$(i) : names$(i) = names$(j) : names$(j) = t$
	t = points(i) : points(i) = points(j) : points(j) = t
EndProcedure

Procedure SortScores()
	Static sorts = 0
	Protected i, j, swapped
	sorts + 1
	For i = 0 To used - 2
		swapped = #False
		For j = 0 To used - 2 - i
			If points(j) < points(j + 1)
				Swap_(j, j + 1)
				swapped = #True
			EndIf
		Next j
		If Not swapped : Break : EndIf
	Next i
	Debug "sorted " + Str(sorts) + " time(s)"
EndProcedure

Procedure.s Table()
	Protected i, text$ = ""
	For i = 0 To used - 1
		text$ + RSet(Str(i + 1), 2, " ") + ". " + LSet(names$(i), 10, ".") + RSet(Str(points(i)), 6, " ") + #CRLF$
	Next
	ProcedureReturn text$
EndProcedure

AddScore("Ann", 1200)
AddScore("Bob", 3400)
AddScore("Cid", 800)
AddScore("Dee", 5600)
SortScores()
AddScore("Eve", 4100)
SortScores()
MessageRequester("High scores", Table())
Debug "Slots: " + Str(ArraySize(points()))

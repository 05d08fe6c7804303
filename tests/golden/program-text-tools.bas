; String helpers: word counting, reversing, title case
Procedure.i CountWords(text$)
	Protected n = 0, i, inWord = #False, c$
	For i = 1 To Len(text$)
		c$ = Mid(text$, i, 1)
		If c$ = " " Or c$ = ","
			inWord = #False
		Else
			If inWord = #False
				inWord = #True
				n + 1
			EndIf
		EndIf
	Next
	ProcedureReturn n
EndProcedure

Procedure.s TitleCase(text$)
	Protected out$ = "", word$, i
	For i = 1 To CountString(text$, " ") + 1
		word$ = StringField(text$, i, " ")
		If Len(word$) > 0
			out$ + UCase(Left(word$, 1)) + LCase(Mid(word$, 2))
		EndIf
		If i <= CountString(text$, " ")
			out$ + " "
		EndIf
	Next
	ProcedureReturn out$
EndProcedure

sentence$ = InputRequester("Text tools", "Type a sentence:", "the quick brown fox")
Debug "Words: " + Str(CountWords(sentence$))
Debug "Reversed: " + ReverseString(sentence$)
Debug "Title: " + TitleCase(sentence$)
Debug "Upper: " + UCase(sentence$)
Debug "Padded: [" + LSet(sentence$, 30, ".") + "]"
Debug "Right aligned: [" + RSet(Str(42), 6, "0") + "]"
Debug "Without blanks: " + RemoveString(sentence$, " ")
Debug "Fox at: " + Str(FindString(sentence$, "fox", 0))
Debug "Replaced: " + ReplaceString(sentence$, "quick", "slow")
Debug "Code of first letter: " + Str(Asc(sentence$))
value = Val("  -12") + Val("$1F")
Debug "Value: " + Str(value)
Debug "Path: C:\Users\me\" + Trim("  x  ")

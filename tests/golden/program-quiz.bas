; A tiny capital cities quiz
Dim question$(4)
Dim answer$(4)
question$(0) = "France" : answer$(0) = "Paris"
question$(1) = "Italy" : answer$(1) = "Rome"
question$(2) = "Japan" : answer$(2) = "Tokyo"
question$(3) = "Peru" : answer$(3) = "Lima"
question$(4) = "Kenya" : answer$(4) = "Nairobi"

Global right = 0, wrong = 0

Procedure.s Verdict(points, total)
	Protected percent.f = points * 100 / total
	If percent >= 80
		ProcedureReturn "Excellent!"
	Else
		If percent >= 50 : ProcedureReturn "Not bad." : EndIf
	EndIf
	ProcedureReturn "Keep practising."
EndProcedure

For round = 1 To 3
	q = Random(4)
	reply$ = InputRequester("Quiz", "Round " + Str(round) + ": capital of " + question$(q) + "?", "")
	Select LCase(Trim(reply$))
		Case LCase(answer$(q))
			right + 1
			MessageRequester("Quiz", "Right!")
		Case ""
			wrong + 1
			MessageRequester("Quiz", "No answer? It is " + answer$(q) + ".")
		Default
			wrong + 1
			MessageRequester("Quiz", "Sorry, it is " + answer$(q) + ".")
	EndSelect
Next
MessageRequester("Quiz", Str(right) + " right, " + Str(wrong) + " wrong. " + Verdict(right, 3))

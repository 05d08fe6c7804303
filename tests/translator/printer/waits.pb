; Waits: cut where the main program can be cut, awaited where it cannot (a Select, a
; procedure), and the loops around a cut become loops of the program.
Procedure.s Ask(q.s)
  Print(q)
  Delay(10)
  ProcedureReturn Input()
EndProcedure
OpenConsole()
Delay(100)
For i = 1 To 3
  If i = 2
    Continue
  EndIf
  n = Val(Input())
Next
While n > 0
  Select n
    Case 1
      a$ = Input()
  EndSelect
  n - 1
Wend
Repeat
  Repeat
    e = WaitWindowEvent(20)
    If e = #PB_Event_CloseWindow
      Break 2
    EndIf
    For k = 1 To 2
      If k = e
        Break 2
      EndIf
    Next
  ForEver
  a$ = Ask("again? ")
Until a$ = "n"

; Input() inside a procedure waits for the console's input line, as in the main program, and
; Delay() there waits too, so a procedure can poll Inkey() until its key comes
Procedure.s AskName()
  PrintN("Your name?")
  start = ElapsedMilliseconds()
  Delay(200)
  If ElapsedMilliseconds() - start >= 190
    PrintN("(waited)")
  EndIf
  ProcedureReturn Input()
EndProcedure
Procedure.s WaitKey(want$)
  Repeat
    k$ = Inkey()
    Delay(20)
  Until k$ = want$
  ProcedureReturn k$
EndProcedure
OpenConsole()
PrintN("Hello!")
name$ = AskName()
PrintN("Nice to meet you, " + name$ + ".")
PrintN("Press a key...")
Repeat
  k$ = Inkey()
  Delay(20)
Until k$ <> ""
PrintN("You pressed " + k$)
PrintN("And again...")
PrintN("Now " + WaitKey("y"))
Delay(300)
PrintN("Bye.")
; type:
; Ada
; x
; y
; console:
; Hello!
; Your name?
; (waited)
; Ada
; Nice to meet you, Ada.
; Press a key...
; You pressed x
; And again...
; Now y
; Bye.

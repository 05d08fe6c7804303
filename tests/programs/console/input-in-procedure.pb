; Input() inside a procedure asks with the browser's input box and echoes the answer
Procedure.s AskName()
  PrintN("Your name?")
  ProcedureReturn Input()
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
Delay(300)
PrintN("Bye.")
; answer: Ada
; type:
; x
; console:
; Hello!
; Your name?
; Ada
; Nice to meet you, Ada.
; Press a key...
; You pressed x
; Bye.

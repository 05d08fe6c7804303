OpenConsole("Greeter")
PrintN("Hello!")
Print("Your name? ")
name$ = Input()
PrintN("Nice to meet you, " + name$ + ".")
PrintN("Press a key...")
Repeat
  k$ = Inkey()
  Delay(20)
Until k$ <> ""
PrintN("You pressed " + k$)
Delay(300)
PrintN("Bye.")
; type:
; Ada
; x
; console:
; Hello!
; Your name? Ada
; Nice to meet you, Ada.
; Press a key...
; You pressed x
; Bye.

; Input() in a Select, where the program cannot be cut, waits for the console's input line as
; in ForEach and For
OpenConsole()
NewList names.s()
AddElement(names()) : names() = "ann"
AddElement(names()) : names() = "bob"
PrintN("Mode?")
Select 1
  Case 1
    mode$ = Input()
EndSelect
ForEach names()
  For k = 1 To 2
    Print(names() + " " + Str(k) + ": ")
    answer$ = Input()
  Next
Next
PrintN(mode$ + " " + answer$)
; type:
; fast
; a1
; a2
; b1
; b2
; console:
; Mode?
; fast
; ann 1: a1
; ann 2: a2
; bob 1: b1
; bob 2: b2
; fast b2

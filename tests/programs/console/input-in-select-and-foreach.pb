; Input() in a Select cannot cut the program: the input box asks; in ForEach and For it can
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
; answer: fast
; type:
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

; Input() in If, For, While and Repeat blocks of the main program
OpenConsole()
total = 0
For i = 1 To 2
  Print("Number " + Str(i) + ": ")
  total + Val(Input())
Next
PrintN("Total " + Str(total))
If total > 5
  Print("Big. Why? ")
  why$ = Input()
  PrintN("Because " + why$)
Else
  PrintN("Small")
EndIf
n = 0
While n < 2
  Print("Word: ")
  w$ = Input()
  If w$ = "skip"
    Continue
  EndIf
  n + 1
Wend
Repeat
  Print("Command? ")
  c$ = Input()
Until c$ = "q"
PrintN("Done " + Str(i) + " " + Str(n))
; type:
; 4
; 3
; just so
; one
; skip
; two
; go
; q
; console:
; Number 1: 4
; Number 2: 3
; Total 7
; Big. Why? just so
; Because just so
; Word: one
; Word: skip
; Word: two
; Command? go
; Command? q
; Done 3 2

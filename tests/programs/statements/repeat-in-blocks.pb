; A Repeat loop inside a For, ForEach, While or Select block of the main program is a loop
; of its own: Continue goes to its test, Break leaves only it, and Input() and Delay()
; inside it wait
OpenConsole()
r$ = ""
For i = 1 To 3
  n = 0
  Repeat
    n + 1
    If n = 2
      Continue
    EndIf
  Until n >= i * 2
  r$ + Str(n) + ","
Next
Debug r$
NewList l()
AddElement(l()) : l() = 3
AddElement(l()) : l() = 5
r$ = ""
ForEach l()
  k = 0
  Repeat
    k + 1
    If k = l()
      Break
    EndIf
  ForEver
  r$ + Str(k) + ","
Next
Debug r$
w = 0
While w < 2
  w + 1
  Repeat
    s$ = Input()
  Until s$ <> "-"
  Debug "got " + s$
Wend
Select 1
  Case 1
    start = ElapsedMilliseconds()
    Repeat
      Delay(50)
      c + 1
    Until c = 4
    If ElapsedMilliseconds() - start >= 190
      Debug "waited in Select"
    EndIf
EndSelect
; type:
; -
; a
; b
; expect:
; 2,4,6,
; 3,5,
; got a
; got b
; waited in Select

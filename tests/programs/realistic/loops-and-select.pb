; control flow
For i = 10 To 1 Step -3
  out$ + Str(i) + " "
Next
Debug Trim(out$)
n = 0
Repeat
  n + 1
  If n = 3 : Continue : EndIf
  If n > 5 : Break : EndIf
  r$ + Str(n)
Until n >= 10
Debug r$
For y = 1 To 3
  For x = 1 To 3
    If x = 2 : Break 2 : EndIf
    Debug Str(x) + "," + Str(y)
  Next
Next
v = 7
Select v
  Case 1 To 5
    Debug "low"
  Case 6, 7, 8
    Debug "mid"
  Default
    Debug "high"
EndSelect
k$ = "b"
Select k$
  Case "a" : Debug "A"
  Case "b" : Debug "B"
EndSelect
i = 0
While i < 3 : i + 1 : Wend
Debug Str(i)
; expect:
; 10 7 4 1
; 1245
; 1,1
; mid
; B
; 3

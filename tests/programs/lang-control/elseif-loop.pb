; An ElseIf chain with a loop in one branch, inside a Repeat of the main program
n = 0
Repeat
  n + 1
  If n = 1
    Debug "first"
  ElseIf n = 2
    k = 0
    Repeat
      k + 1
    Until k = 3
    Debug "inner " + Str(k)
  Else
    Debug "last"
  EndIf
Until n = 3
Debug "done"
; expect:
; first
; inner 3
; last
; done

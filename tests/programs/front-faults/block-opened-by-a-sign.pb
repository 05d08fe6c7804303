; A block whose condition begins with a sign or a pointer is still that block: no
; "EndIf without If" further down
a = 2
If -a < 0
  Debug "neg"
EndIf
n = 0
While -a < 0 And n < 3
  n + 1
Wend
Debug n
Repeat
  n - 1
Until -n > -1
Debug n
Select -a
  Case -2
    Debug "minus two"
EndSelect
; expect:
; neg
; 3
; 0
; minus two

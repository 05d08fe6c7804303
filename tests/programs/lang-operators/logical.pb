; And, Or and XOr are logical; as values they are 1 or 0; XOr holds when exactly one side does;
; And and Or bind alike, left to right
a = 7 : b = 2
x = 5 And 3
Debug x
Debug Bool(a = 7 Or b = 3)
Debug Bool(a = 1 XOr b = 2)
Debug Bool(a = 7 XOr b = 2)
If a = 7 XOr b = 2
  Debug "both wrong"
Else
  Debug "both so XOr is false"
EndIf
If 1 = 1 Or 2 = 3 And 0 = 1
  Debug "Or then And wrong"
Else
  Debug "Or then And is false"
EndIf
y = (a > 1 And b > 1) + 10
Debug y
z = Bool(Not a = 7 Or b = 2)
Debug z
; expect:
; 1
; 1
; 1
; 0
; both so XOr is false
; Or then And is false
; 11
; 1

; An If whose condition begins with a sign keeps its own ElseIf: the EndIf closes that If,
; not the branch around it. A stray ElseIf is reported and dropped
b = 2
a = 1
If b = 1
  Debug "one"
ElseIf b = 2
  If -a > 0
    Debug "positive"
  ElseIf a = 1
    Debug "a is one"
  EndIf
  Debug "still two"
Else
  Debug "other"
EndIf
ElseIf b = 3
Debug "end"
; expect:
; a is one
; still two
; end
; expect-log:
; line 17: ElseIf without If

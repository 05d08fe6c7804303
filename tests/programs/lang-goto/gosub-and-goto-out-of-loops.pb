; A Gosub subroutine and a Goto out of nested loops
Gosub greet
For i = 1 To 3
  For j = 1 To 3
    If i * j = 4
      Goto found
    EndIf
  Next
Next
Debug "not found"
End
found:
Debug "found " + Str(i) + " " + Str(j)
Gosub greet
Debug "end"
End
greet:
n + 1
Debug "hello " + Str(n)
Return
; expect:
; hello 1
; found 2 2
; hello 2
; end

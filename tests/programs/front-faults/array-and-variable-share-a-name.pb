; An array and a variable of the same name are two things: the loop variable a walks
; the array A()
Dim A.s(3)
Dim B.s(3)
For a = 0 To ArraySize(A())
  A(a) = "x" + Str(a)
  B(a) = "x" + Str(a)
Next
same = 0
For a = 0 To ArraySize(A())
  If A(a) = B(a)
    same + 1
  EndIf
Next
Debug same
Debug A(2)
; expect:
; 4
; x2

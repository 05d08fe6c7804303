; An array and a variable of one name are two things: A() holds the strings, a counts
Dim A.s(3)
A(0)="x" : A(1)="y" : A(2)="z" : A(3)="w"
Dim B.s(1)
B(0)="z"
For a = 0 To ArraySize(A())
  For b = 0 To ArraySize(B())
    If A(a) = B(b)
      Debug a
    EndIf
  Next
Next
; expect:
; 2

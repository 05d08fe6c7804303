; Global, Shared, Protected and Static variables inside procedures beside containers of
; the same name
Global Dim g.i(2)
Global g = 100
Dim s.i(1)
s = 3
NewList p.i()
p = 1
Procedure Work()
  Shared s, s()
  Protected p = 50
  Static n
  Protected Dim n(1)
  n + 1
  n(0) = n * 10
  g(1) = g + s
  s(1) = s * 2
  AddElement(p()) : p() = p + n(0)
  Debug Str(n) + " " + Str(n(0)) + " " + Str(p)
EndProcedure
Work()
Work()
Debug g(1)
Debug s(1)
Debug p
ForEach p()
  Debug p()
Next
; expect:
; 1 10 50
; 2 20 50
; 103
; 6
; 1
; 60
; 70

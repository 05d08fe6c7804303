; An array parameter is the caller's array: its elements, Dim and ReDim on it are the caller's
Procedure Size(Array m(2))
  Dim m(3, 3)
  ProcedureReturn ArraySize(m(), 2)
EndProcedure
Procedure Grow(Array a.i(1))
  a(0) = 10
  Dim a(4)
  a(4) = 44
EndProcedure
Procedure Keep(Array a.i(1), n)
  ReDim a(n)
  a(n) = n * 11
EndProcedure
Procedure KeepRows(Array g.s(2))
  ReDim g(1, 3)
  g(1, 3) = "new"
EndProcedure
Procedure Append(Array items.s(1), text$)
  ReDim items(ArraySize(items()) + 1)
  items(ArraySize(items())) = text$
EndProcedure
Dim grid(1, 1)
Debug Size(grid())
Debug ArraySize(grid(), 2)
Dim a.i(1)
a(1) = 5
Grow(a())
Debug Str(ArraySize(a())) + " " + Str(a(0)) + " " + Str(a(1)) + " " + Str(a(4))
a(1) = 7
Keep(a(), 6)
Debug Str(ArraySize(a())) + " " + Str(a(1)) + " " + Str(a(5)) + " " + Str(a(6))
ReDim a(1)
Debug Str(ArraySize(a())) + " " + Str(a(1))
Dim g.s(2, 1)
g(1, 1) = "kept"
g(2, 0) = "row"
KeepRows(g())
Debug Str(ArraySize(g())) + " " + Str(ArraySize(g(), 2)) + " " + g(1, 1) + " " + g(2, 0) + " " + g(1, 3) + "[" + g(0, 2) + "]"
Dim e.s(-1)
Debug ArraySize(e())
Append(e(), "x")
Append(e(), "y")
Debug Str(ArraySize(e())) + " " + e(0) + e(1)
; expect:
; 3
; 3
; 4 0 0 44
; 6 7 0 66
; 1 7
; 2 3 kept row new[]
; -1
; 1 xy

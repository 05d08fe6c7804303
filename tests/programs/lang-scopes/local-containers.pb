; Arrays, lists and maps made in a procedure belong to the call: each depth of a recursion
; has its own. Static keeps them between calls; Global, Shared and a Dim of a name declared
; Global before reach the program's own.
Dim board(2)
Procedure Depth(n)
  Protected Dim a(3)
  NewList items.s()
  NewMap seen.i()
  Dim plain(1)
  a(0) = n
  plain(1) = n * 10
  AddElement(items()) : items() = "d" + Str(n)
  seen("n") = n
  If n < 3
    Depth(n + 1)
  EndIf
  ForEach items()
    Debug Str(n) + ": " + Str(a(0)) + " " + Str(plain(1)) + " " + items() + " " + Str(seen("n"))
  Next
EndProcedure
Procedure Count()
  Static Dim calls(1)
  Static NewList notes.s()
  calls(0) + 1
  AddElement(notes()) : notes() = "c"
  Debug "count " + Str(calls(0)) + " " + Str(ListSize(notes()))
EndProcedure
Procedure MakeTable()
  Global Dim table(4)
  table(4) = 7
EndProcedure
Procedure Resize()
  Dim table(9)
  table(9) = 3
EndProcedure
Procedure Mark()
  Shared board()
  board(2) = 5
EndProcedure
Depth(1)
Count()
Count()
MakeTable()
Debug Str(ArraySize(table())) + " " + Str(table(4))
Resize()
Debug Str(ArraySize(table())) + " " + Str(table(9))
Mark()
Debug board(2)
; expect:
; 3: 3 30 d3 3
; 2: 2 20 d2 2
; 1: 1 10 d1 1
; count 1 1
; count 2 2
; 4 7
; 9 3
; 5

; Initialisers in declarations are whole expressions, also calls with arguments
Procedure Last(Array a(1))
  Protected i, last = ArraySize(a())
  Protected total = last * 2 + 1
  ProcedureReturn total
EndProcedure
Dim v(4)
Debug Last(v())
Define x = 3, y = x * Len("abcd")
Debug y
Global g.s = LSet("a", 3, "-") + "|"
Debug g
; expect:
; 9
; 12
; a--|

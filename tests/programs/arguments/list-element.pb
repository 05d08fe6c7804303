; Outside the list commands and List parameters a list named alone is its current element
Procedure.s Twice(x$)
  ProcedureReturn x$ + x$
EndProcedure
Procedure Count(List l.i())
  ProcedureReturn ListSize(l())
EndProcedure
NewList s$()
AddElement(s$()) : s$() = "first"
AddElement(s$()) : s$() = "hello"
NewList l.i()
AddElement(l()) : l() = -5
AddElement(l()) : l() = 8
PreviousElement(l())
Debug Len(s$())
Debug Left(s$(), 2)
Debug UCase(s$())
Debug Abs(l())
Debug Str(l()) + "!"
Debug Twice(s$())
Debug Count(l()) + Abs(l())
; expect:
; 5
; he
; HELLO
; 5
; -5!
; hellohello
; 7

; globals, Protected shadowing, Shared, Static and a forward declaration
Declare.s Describe(n)
Global level = 1
Global Dim board(2, 2)
count = 100
Procedure Bump()
  level + 1
  board(1, 1) + level
EndProcedure
Procedure Shadow()
  Protected level = 50
  level + 1
  ProcedureReturn level
EndProcedure
Procedure UseShared()
  Shared count
  count + 1
EndProcedure
Procedure Local()
  count = 5
  ProcedureReturn count
EndProcedure
Procedure Tally()
  Static calls, total.f
  calls + 1
  total + 0.5
  ProcedureReturn calls * 10 + total * 2
EndProcedure
Bump() : Bump()
Debug Str(level) + " " + Str(board(1, 1)) + " " + Str(Shadow()) + " " + Str(level)
UseShared()
Debug Str(count) + " " + Str(Local()) + " " + Str(count)
Tally() : Tally()
Debug Str(Tally())
Debug Describe(3)
Procedure.s Describe(n)
  If n > 2 : ProcedureReturn "many" : EndIf
  ProcedureReturn "few"
EndProcedure
Define.f ratio = 7 / 2
Define whole = 7 / 2
Debug StrF(ratio, 1) + " " + Str(whole)
; expect:
; 3 5 51 3
; 101 5 101
; 33
; many
; 3.5 3

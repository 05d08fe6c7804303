; Typed declarations start strings empty, and a Static value is set once
Procedure Count()
  Static.i calls, base = (#PB_Key_Space - 2) * 10
  calls + 1
  ProcedureReturn base + calls
EndProcedure
Define.s label
Debug label + Str(Count()) + " " + Str(Count())
; expect:
; 301 302

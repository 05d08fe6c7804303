; A declaration's value is computed once, where the declaration stands: not also while the
; page loads
Procedure Count()
  Static n
  n + 1
  ProcedureReturn n
EndProcedure
Global first = Count()
Define second = Count(), third.s = Str(Count())
Debug Str(first) + " " + Str(second) + " " + third
; expect:
; 1 2 3

; Each undeclared variable is reported once per procedure and once in the main program, at
; its first use; a For variable, a Read target and a name declared only after its use count
; as undeclared, and the main program's Define does not reach into procedures
EnableExplicit
Define count
Procedure Work(n)
  Protected half = n / 2
  scratch = half + count
  scratch + 1
  ProcedureReturn scratch + stray
EndProcedure
For k = 1 To 2
  count + Work(k)
Next
Read late
Define late
count + late + missing + missing
DataSection
  Data.i 4
EndDataSection
; expect-log:
; line 8: variable not declared: scratch
; line 8: variable not declared: count
; line 10: variable not declared: stray
; line 12: variable not declared: k
; line 15: variable not declared: late
; line 17: variable not declared: missing

; A procedure and an array of one name cannot be told apart in "total(1)": refused with
; the line of its header and of each use
Procedure.i Total(n)
  ProcedureReturn n * 2
EndProcedure
Dim total(2)
Debug Total(1)
; expect-log:
; line 3: not supported: procedure and array, list or map of one name: Total
; line 7: not supported: procedure and array, list or map of one name: Total

; Case lists, inclusive ranges, mixes, strings and an expression; no fall-through
Procedure.s Kind(n)
  Select n
    Case 1, 3, 5
      ProcedureReturn "odd"
    Case 4 To 6
      ProcedureReturn "middle"
    Case 7 To 8, 10
      ProcedureReturn "high"
    Default
      ProcedureReturn "other"
  EndSelect
EndProcedure
For i = 1 To 10
  r$ + Kind(i) + " "
Next
Debug r$
name$ = "b"
Select name$
  Case "a", "b"
    Debug "a or b"
  Case "c"
    Debug "c"
EndSelect
Select Len(name$) * 2
  Case 0 To 1
    Debug "short"
  Case 2, 3
    Debug "two"
EndSelect
; expect:
; odd other odd middle odd middle high high other high 
; a or b
; two

; A closing word with something after it that it cannot take is reported and stands alone,
; and a block word inside a statement (here joined on by a trailing sign) closes nothing:
; every pass then agrees where the blocks end, and the rest of the program runs
Procedure Twice(n)
  ProcedureReturn n * 2
EndProcedure x
For i = 1 To 2
  Debug Twice(i)
Next -i
Debug "after" +
EndIf
Debug "end"
; expect:
; 2
; 4
; end
; expect-log:
; line 6: syntax error near x
; line 9: syntax error near -i
; line 10: syntax error near EndIf

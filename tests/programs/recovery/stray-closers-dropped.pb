; A closing line without its block is reported and dropped: the blocks around it stay
; whole and the rest of the program runs
Procedure Twice(n)
  Wend
  ProcedureReturn n * 2
EndProcedure
Debug "start"
EndIf
Debug Twice(4)
Repeat
  e = WindowEvent()
  Next
  Debug "loop"
Until e = 0
If e = 0
  Debug "zero"
Else
  Debug "other"
EndIf
Else
Debug "end"
; expect:
; start
; 8
; loop
; zero
; end
; expect-log:
; line 4: Wend without While
; line 8: EndIf without If
; line 12: Next without For
; line 20: Else without If

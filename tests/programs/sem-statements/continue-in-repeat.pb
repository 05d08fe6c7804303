; Continue in a Repeat ... Until loop goes to the Until test, in a procedure and in the
; main program's restructured loop
Procedure Count()
  i = 0
  Repeat
    i + 1
    If i = 2
      Continue
    EndIf
    Debug "p" + Str(i)
  Until i = 3
EndProcedure
Count()
j = 0
Repeat
  j + 1
  If j = 2
    Continue
  EndIf
  Debug "m" + Str(j)
Until j = 3
Debug "done"
; expect:
; p1
; p3
; m1
; m3
; done

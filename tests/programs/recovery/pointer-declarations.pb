; A pointer declaration is refused with one message, the pointer as written; its later
; uses add none, and the rest of the program runs
Structure Point
  x.i
EndStructure
Define *a.i
*a = 5
If *a
  n = 1
EndIf
Procedure Show(*v.Point, label$)
  Protected *q.Point
  *q = *v
  Debug label$
EndProcedure
Global *buf
*buf = *a
Show(*buf, "shown")
Debug "end"
; expect:
; shown
; end
; expect-log:
; line 6: not supported: pointer *a.i
; line 11: not supported: pointer *v.Point
; line 12: not supported: pointer *q.Point
; line 16: not supported: pointer *buf

; A procedure head inside a procedure ends the one left open before it, and the blocks
; left open in it: one message, and both procedures work
Procedure First(n)
  If n > 0
    Debug "first"
Procedure Second()
  Debug "second"
EndProcedure
EndProcedure
First(1)
Second()
Debug "end"
; expect:
; first
; second
; end
; expect-log:
; line 6: Procedure inside Procedure

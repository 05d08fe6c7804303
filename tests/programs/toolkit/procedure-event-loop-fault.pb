; A fault in a procedure that waits for events, after its wait, stops the program with its
; line
Global zero = 0
Procedure Loop()
  Repeat
    e = WaitWindowEvent(50)
    If e = 0
      Debug "before"
      x = 1 / zero
    EndIf
  ForEver
EndProcedure
OpenWindow(0, 10, 10, 200, 100, "Fault")
While WindowEvent() : Wend
Loop()
; expect:
; before
; expect-error:
; line 9: division by zero

; A procedure that waits (for events, a typed line or a delay) is an async function, and so
; is every procedure that calls it (Outer through Middle); its calls are awaited, in expressions too. A procedure
; only handed to BindEvent, or that calls none of them, stays plain. The main program's part
; that calls one is async, INIT only switches to it. In a Select block, where the main
; program cannot be cut, WaitWindowEvent is awaited too.
Procedure.i Inner(t)
  ProcedureReturn WaitWindowEvent(t) + 1
EndProcedure
Procedure Middle()
  x = Inner(10) * 2
EndProcedure
Procedure Outer()
  Middle()
EndProcedure
Procedure.s Ask()
  Delay(10)
  ProcedureReturn "<" + Input() + ">"
EndProcedure
Procedure Plain()
  BindEvent(#PB_Event_Gadget, @Inner())
  e = WindowEvent()
EndProcedure
Plain()
If Inner(5) > 1
  Outer()
EndIf
Repeat
  Middle()
  e = WaitWindowEvent()
Until e = #PB_Event_CloseWindow
Select e
  Case 2
    e = WaitWindowEvent(100)
EndSelect
a$ = Ask()

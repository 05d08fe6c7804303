; Where the program starts tasks, every piece of code that goes on after a wait puts its own
; task back first (a procedure the task it was called by, the main program 0), and a function
; swaps the Threaded variables and containers when another task has its turn. The task's
; loops, and those of the procedures it calls (Fill through Advance), ask for the end of the
; time slice; Plain, whose address is taken, stays a plain call, Tiny has no loop, and
; Tally stays plain because a procedure bound to an event, which cannot wait, calls it.
Threaded count, text$
Threaded Dim cells.i(9)
Threaded NewList seen.s()
Global total
Prototype.i Counter(n)
Procedure.i Plain(n)
  For i = 1 To n : total + i : Next
  ProcedureReturn total
EndProcedure
Procedure.i Tiny(n)
  ProcedureReturn n + 1
EndProcedure
Procedure Fill(n)
  While n > 0
    cells(n % 10) + 1
    n - 1
  Wend
EndProcedure
Procedure Advance(n)
  Fill(n)
  count = Tiny(count)
EndProcedure
Procedure Tally(n)
  Repeat
    n - 1
  Until n <= 0
EndProcedure
Procedure OnClick()
  Tally(3)
EndProcedure
Procedure Worker(n)
  Tally(n)
  For k = 1 To 3
    Advance(n)
    Delay(5)
  Next
  Plain(n)
EndProcedure
f.Counter = @Plain()
BindEvent(#PB_Event_Gadget, @OnClick())
t = CreateThread(@Worker(), 100)
WaitThread(t)

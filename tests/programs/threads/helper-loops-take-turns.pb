; The loops of the procedures a task calls give the others their turn, as the task's own do:
; the first task to end has seen the other run, but not to its end. Where the main program
; calls such a procedure it runs through, and one whose address is taken stays a plain call
Prototype.i Summer(n)
Global a, b, aSawB, sums
Procedure CountTo(n, which)
  For i = 1 To n
    If which = 1
      a + 1
    Else
      b + 1
    EndIf
  Next
EndProcedure
Procedure Through(n, which)
  CountTo(n, which)
EndProcedure
Procedure.i Sum(n)
  For i = 1 To n : s + i : Next
  ProcedureReturn s
EndProcedure
Procedure CountA(n)
  Through(n, 1)
  aSawB = b
EndProcedure
Procedure CountB(n)
  Through(n, 2)
  sums = Sum(100)
EndProcedure
ta = CreateThread(@CountA(), 1000000)
tb = CreateThread(@CountB(), 1000000)
WaitThread(ta)
WaitThread(tb)
Debug Str(a) + " " + Str(b) + " " + Str(sums)
Debug Bool(aSawB > 0 And aSawB < 1000000)
CountTo(10, 1)
f.Summer = @Sum()
Debug Str(a) + " " + Str(f(4))
; expect:
; 1000000 1000000 5050
; 1
; 1000010 10

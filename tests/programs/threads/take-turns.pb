; Two long loops in two threads take turns: the first to end has seen the other run, but not
; to its end
Global a, b, aSawB
Procedure CountA(n)
  For i = 1 To n : a + 1 : Next
  aSawB = b
EndProcedure
Procedure CountB(n)
  For i = 1 To n : b + 1 : Next
EndProcedure
ta = CreateThread(@CountA(), 1000000)
tb = CreateThread(@CountB(), 1000000)
WaitThread(ta)
WaitThread(tb)
Debug Str(a) + " " + Str(b)
Debug Bool(aSawB > 0 And aSawB < 1000000)
; expect:
; 1000000 1000000
; 1

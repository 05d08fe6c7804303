; A killed thread does not go on from where it waits, and counts as ended
Global beats
Procedure Beat(x)
  Repeat
    beats + 1
    Delay(10)
  ForEver
EndProcedure
t = CreateThread(@Beat(), 0)
Delay(100)
KillThread(t)
n = beats
Delay(100)
Debug Bool(n > 3 And beats = n)
Debug IsThread(t)
Debug WaitThread(t)
; expect:
; 1
; 0
; 1

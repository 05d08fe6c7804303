; A procedure started as a thread runs beside the main program, which waits for its end
Global total
Procedure Worker(n)
  For i = 1 To n
    total + i
  Next
EndProcedure
t = CreateThread(@Worker(), 100000)
Debug IsThread(t)
Debug WaitThread(t)
Debug IsThread(t)
Debug total
Debug WaitThread(t, 50)
; expect:
; 1
; 1
; 0
; 5000050000
; 1

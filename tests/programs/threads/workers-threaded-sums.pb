; Two workers sum the squares of their halves of a range, each with Threaded counters of its
; own; a mutex guards the shared total, a semaphore tells the main program each is done, and
; the results go through a pixel-like buffer in the heap
Threaded steps.i, partial.q
Global total.q, lock = CreateMutex(), done = CreateSemaphore(0)
Global *out = AllocateMemory(16)

Procedure Square(v.q)
  ProcedureReturn v * v
EndProcedure

Procedure Worker(half)
  Protected i.q, from.q = half * 50000 + 1, upto.q = (half + 1) * 50000
  For i = from To upto
    partial + Square(i)
    steps + 1
  Next
  LockMutex(lock)
  total + partial
  UnlockMutex(lock)
  PokeQ(*out + half * 8, partial)
  Debug "worker " + Str(half) + " took " + Str(steps) + " steps"
  SignalSemaphore(done)
EndProcedure

steps = -1
a = CreateThread(@Worker(), 0)
b = CreateThread(@Worker(), 1)
WaitSemaphore(done)
WaitSemaphore(done)
WaitThread(a)
WaitThread(b)
Debug "total " + Str(total)
Debug "halves " + Str(PeekQ(*out)) + " + " + Str(PeekQ(*out + 8))
Debug "main steps " + Str(steps) + ", threads alive " + Str(IsThread(a) + IsThread(b))
FreeMemory(*out)
; expect:
; worker 0 took 50000 steps
; worker 1 took 50000 steps
; total 333338333350000
; halves 41667916675000 + 291670416675000
; main steps -1, threads alive 0

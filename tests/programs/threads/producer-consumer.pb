; A producer and a consumer share a list behind a mutex; a semaphore counts what is ready
Global items = CreateSemaphore(0)
Global mutex = CreateMutex()
Global NewList box.i()
Procedure Producer(n)
  For i = 1 To n
    LockMutex(mutex)
    LastElement(box())
    AddElement(box())
    box() = i * 10
    UnlockMutex(mutex)
    SignalSemaphore(items)
    Delay(5)
  Next
EndProcedure
Procedure Consumer(n)
  Protected sum
  For i = 1 To n
    WaitSemaphore(items)
    LockMutex(mutex)
    FirstElement(box())
    sum + box()
    DeleteElement(box())
    UnlockMutex(mutex)
  Next
  Debug "consumed " + Str(sum)
EndProcedure
c = CreateThread(@Consumer(), 5)
p = CreateThread(@Producer(), 5)
WaitThread(p)
WaitThread(c)
Debug "left " + Str(ListSize(box())) + " " + Str(TrySemaphore(items))
Debug Str(TryLockMutex(mutex)) + " " + Str(TryLockMutex(mutex))
; expect:
; consumed 150
; left 0 0
; 1 1

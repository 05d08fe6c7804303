; A task that waits in WaitWindowEvent goes on as itself: its Threaded value and the mutex it
; holds are its own after the wait, and meanwhile the main program is not taken for it
Threaded mine
Global m = CreateMutex(), relock, after
Procedure Watch(x)
  mine = x
  LockMutex(m)
  WaitWindowEvent(50)
  relock = TryLockMutex(m)
  after = mine
  UnlockMutex(m)
  UnlockMutex(m)
EndProcedure
OpenWindow(0, 0, 0, 100, 100, "Watch")
mine = 1
t = CreateThread(@Watch(), 42)
Delay(20)
mainTry = TryLockMutex(m)
Debug mine
WaitThread(t)
Debug Str(mainTry) + " " + Str(relock) + " " + Str(after) + " " + Str(mine)
Debug TryLockMutex(m)
; expect:
; 1
; 0 1 42 1
; 1

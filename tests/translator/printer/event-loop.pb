; A flat event loop: the part before it, one pass of the loop a call (cut before the wait),
; and the code after it a continuation of its own.
x = 1
Repeat
  e = WaitWindowEvent()
Until e = #PB_Event_CloseWindow
y = 2

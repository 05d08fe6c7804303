; Nothing after the loop: its exit test still names a continuation, which stops the timer.
x = 1
Repeat
  e = WaitWindowEvent()
Until e = #PB_Event_CloseWindow

; SetFrameRate sets how often a game loop's pass runs: at 10 frames a second, a second holds
; about ten flips, where the usual rate would give thirty
InitSprite()
OpenWindowedScreen(0, 0, 0, 40, 40)
SetFrameRate(10)
start = ElapsedMilliseconds()
Repeat
  ClearScreen(RGB(0, 0, 0))
  FlipBuffers()
  frames + 1
Until ElapsedMilliseconds() - start >= 1000
Debug Str(Bool(frames >= 5 And frames <= 12))
; expect:
; 1

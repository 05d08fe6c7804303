; A game loop inside a procedure runs a pass a frame: FlipBuffers there waits for the next
; frame, so the page draws and takes keys meanwhile, about 30 passes a second; a procedure
; that flips once, called from the main program's loop, does not slow that loop down
Procedure DrawFrame(x)
  StartDrawing(ScreenOutput())
  Box(x, 10, 10, 10, RGB(255, 0, 0))
  StopDrawing()
  FlipBuffers()
EndProcedure

Procedure.i Game()
  passes = 0
  start = ElapsedMilliseconds()
  Repeat
    ClearScreen(0)
    DrawFrame(passes % 100)
    ExamineKeyboard()
    passes + 1
  Until KeyboardPushed(#PB_Key_Escape) Or passes > 1000
  If passes > 1000
    Debug "never saw the key"
  EndIf
  Debug "game ran " + Str(Bool(ElapsedMilliseconds() - start >= 400))
  ProcedureReturn passes * 1000 / (ElapsedMilliseconds() - start)
EndProcedure

OpenScreen(200, 100, 32, "Game")
InitKeyboard()
rate = Game()
If rate >= 20 And rate <= 40
  Debug "a pass a frame"
Else
  Debug "rate " + Str(rate)
EndIf
passes = 0
start = ElapsedMilliseconds()
Repeat
  DrawFrame(passes)
  passes + 1
Until ElapsedMilliseconds() - start >= 1000
If passes >= 22
  Debug "main loop at full rate"
Else
  Debug "main loop " + Str(passes)
EndIf
; do:
; wait 800
; hold Escape 200
; expect:
; game ran 1
; a pass a frame
; main loop at full rate
; clock: real

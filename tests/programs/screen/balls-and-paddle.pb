; A small game loop: a windowed screen, a sprite made by drawing, keyboard input, collisions
; with SpriteCollision, and a score kept in a structure array
Structure Ball
  x.f
  y.f
  vx.f
  vy.f
EndStructure
Dim balls.Ball(2)
For i = 0 To 2
  balls(i)\x = 20 + i * 60 : balls(i)\y = 30 : balls(i)\vx = 1.5 + i : balls(i)\vy = 1
Next
InitSprite() : InitKeyboard()
OpenWindow(0, 0, 0, 240, 160, "Balls")
OpenWindowedScreen(WindowID(0), 0, 0, 240, 160)
CreateSprite(0, 8, 8)
If StartDrawing(SpriteOutput(0))
  Box(0, 0, 8, 8, RGB(255, 200, 0))
  StopDrawing()
EndIf
CreateSprite(1, 40, 8)
If StartDrawing(SpriteOutput(1))
  Box(0, 0, 40, 8, RGB(0, 200, 255))
  StopDrawing()
EndIf
paddle = 100
hits = 0
For frame = 1 To 120
  Repeat : Until WindowEvent() = 0
  ExamineKeyboard()
  If KeyboardPushed(#PB_Key_Right) : paddle + 3 : EndIf
  ClearScreen(RGB(0, 0, 40))
  For i = 0 To 2
    With balls(i)
      \x + \vx : \y + \vy
      If \x < 0 Or \x > 232 : \vx = -\vx : EndIf
      If \y < 0 : \vy = -\vy : EndIf
      If \y > 152 : \vy = -\vy : \y = 152 : EndIf
      If SpriteCollision(0, \x, \y, 1, paddle, 140)
        hits + 1 : \vy = -Abs(\vy)
      EndIf
      DisplaySprite(0, \x, \y)
    EndWith
  Next
  DisplaySprite(1, paddle, 140)
  FlipBuffers()
Next
Debug "frames done, paddle " + Str(paddle) + ", hits " + Str(hits)
Debug StrF(balls(0)\x, 1) + " " + StrF(balls(1)\y, 1)
; expect:
; frames done, paddle 100, hits 1
; 200.0 114.0

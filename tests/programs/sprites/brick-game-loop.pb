; A little brick game whose sprites are all drawn in code runs frame by frame: the ball
; bounces off the walls and the paddle, knocks bricks out by pixel collision, and the last
; frame shows every sprite in its own colours where the program put it
Procedure.s Px(x, y)
  c = Point(x, y)
  ProcedureReturn Str(Red(c)) + "," + Str(Green(c)) + "," + Str(Blue(c))
EndProcedure

InitSprite()
InitKeyboard()
OpenWindowedScreen(0, 0, 0, 160, 120)
paddle = CreateSprite(#PB_Any, 30, 6)
StartDrawing(SpriteOutput(paddle))
Box(0, 0, 30, 6, RGB(40, 90, 220))
StopDrawing()
ball = CreateSprite(#PB_Any, 9, 9)
StartDrawing(SpriteOutput(ball))
Circle(4, 4, 4, RGB(255, 255, 0))
StopDrawing()
brick = CreateSprite(#PB_Any, 24, 8)
StartDrawing(SpriteOutput(brick))
Box(0, 0, 24, 8, RGB(180, 30, 30))
StopDrawing()
Dim alive(5)
For i = 0 To 5
  alive(i) = 1
Next
bx = 70 : by = 60 : dx = 2 : dy = -3
Repeat
  ClearScreen(RGB(0, 0, 40))
  bx + dx : by + dy
  If bx < 0 Or bx > 150 : dx = -dx : EndIf
  If by < 0 Or by > 110 : dy = -dy : EndIf
  For i = 0 To 5
    If alive(i) And SpritePixelCollision(ball, bx, by, brick, 3 + i * 26, 10)
      alive(i) = 0
      dy = -dy
      hits + 1
    EndIf
  Next
  px = bx - 10
  If px < 0 : px = 0 : EndIf
  If px > 130 : px = 130 : EndIf
  If SpritePixelCollision(ball, bx, by, paddle, px, 108) And dy > 0 : dy = -dy : bounces + 1 : EndIf
  For i = 0 To 5
    If alive(i) : DisplayTransparentSprite(brick, 3 + i * 26, 10) : EndIf
  Next
  DisplayTransparentSprite(paddle, px, 108)
  DisplayTransparentSprite(ball, bx, by)
  FlipBuffers()
  frames + 1
Until frames = 60
StartDrawing(ScreenOutput())
shown = 0
For i = 0 To 5
  If alive(i) And Px(4 + i * 26, 11) = "180,30,30" : shown + 1 : EndIf
  If alive(i) = 0 And Px(4 + i * 26, 11) = "0,0,40" : shown + 1 : EndIf
Next
Debug "bricks hit " + Str(Bool(hits >= 1 And hits < 6)) + ", each shown as it is " + Str(shown)
Debug "paddle bounces " + Str(Bool(bounces >= 1))
Debug "ball " + Px(bx + 4, by + 4) + " corner " + Px(bx, by)
Debug "paddle " + Px(px, 108) + " " + Px(px + 29, 113) + " beside " + Px(px + 30, 113)
StopDrawing()
; expect:
; bricks hit 1, each shown as it is 6
; paddle bounces 1
; ball 255,255,0 corner 0,0,40
; paddle 40,90,220 40,90,220 beside 0,0,40

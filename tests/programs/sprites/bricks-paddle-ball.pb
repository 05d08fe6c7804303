; Sprites drawn in code show on the screen with their exact colours: bricks from one sprite
; with a picked number, a ball whose black corners DisplaySprite keeps and
; DisplayTransparentSprite lets the screen through, and a paddle
InitSprite()
OpenWindowedScreen(0, 0, 0, 120, 80)
CreateSprite(0, 30, 6)
StartDrawing(SpriteOutput(0))
Box(0, 0, 30, 6, RGB(200, 200, 255))
Box(1, 1, 28, 4, RGB(40, 90, 220))
StopDrawing()
CreateSprite(1, 9, 9)
StartDrawing(SpriteOutput(1))
Circle(4, 4, 4, RGB(255, 255, 0))
StopDrawing()
brick = CreateSprite(#PB_Any, 20, 8)
StartDrawing(SpriteOutput(brick))
Box(0, 0, 20, 8, RGB(180, 30, 30))
Box(0, 7, 20, 1, RGB(90, 10, 10))
StopDrawing()
ClearScreen(RGB(0, 40, 0))
For i = 0 To 4
  DisplaySprite(brick, 5 + i * 22, 4)
Next
DisplaySprite(1, 50, 40)
DisplayTransparentSprite(1, 70, 40)
DisplayTransparentSprite(0, 45, 70)
FlipBuffers()
Debug Str(SpriteWidth(0)) + "x" + Str(SpriteHeight(0)) + " " + Str(SpriteWidth(brick)) + "x" + Str(SpriteHeight(brick))
Debug Str(IsSprite(brick)) + " " + Str(Bool(brick <> 0 And brick <> 1)) + " " + Str(IsSprite(2)) + " " + Str(IsImage(brick))
; do:
; see QLCXcanvas pixel 6 5 180,30,30
; see QLCXcanvas pixel 6 11 90,10,10
; see QLCXcanvas pixel 26 5 0,40,0
; see QLCXcanvas pixel 93 5 180,30,30
; see QLCXcanvas pixel 112 11 90,10,10
; see QLCXcanvas pixel 113 5 0,40,0
; see QLCXcanvas pixel 54 44 255,255,0
; see QLCXcanvas pixel 50 40 0,0,0
; see QLCXcanvas pixel 70 40 0,40,0
; see QLCXcanvas pixel 74 44 255,255,0
; see QLCXcanvas pixel 45 70 200,200,255
; see QLCXcanvas pixel 46 71 40,90,220
; see QLCXcanvas pixel 74 75 200,200,255
; see QLCXcanvas pixel 73 74 40,90,220
; see QLCXcanvas pixel 75 75 0,40,0
; expect:
; 30x6 20x8
; 1 1 0 0

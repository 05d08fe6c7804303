; What a sprite shows after ClipSprite, ZoomSprite, RotateSprite, TransparentSpriteColor, a
; tint and an alpha, a blending mode, drawing on it again, CopySprite and GrabSprite, and of
; new sprites, read back from the screen pixel by pixel; collisions by box and by opaque
; pixels
Procedure.s Px(x, y)
  c = Point(x, y)
  ProcedureReturn Str(Red(c)) + "," + Str(Green(c)) + "," + Str(Blue(c))
EndProcedure

InitSprite()
OpenWindowedScreen(0, 0, 0, 120, 40)
ClearScreen(RGB(100, 100, 100))
; four quarters: red, green above blue, white
CreateSprite(0, 8, 8)
StartDrawing(SpriteOutput(0))
Box(0, 0, 4, 4, RGB(255, 0, 0))
Box(4, 0, 4, 4, RGB(0, 255, 0))
Box(0, 4, 4, 4, RGB(0, 0, 255))
Box(4, 4, 4, 4, RGB(255, 255, 255))
StopDrawing()
ClipSprite(0, 4, 0, 4, 8)
Debug "clipped " + Str(SpriteWidth(0)) + " " + Str(SpriteHeight(0))
ZoomSprite(0, 8, 16)
Debug "zoomed " + Str(SpriteWidth(0)) + " " + Str(SpriteHeight(0))
DisplaySprite(0, 0, 0)
ZoomSprite(0, #PB_Default, #PB_Default)
ClipSprite(0, #PB_Default, #PB_Default, #PB_Default, #PB_Default)
Debug "whole " + Str(SpriteWidth(0)) + " " + Str(SpriteHeight(0))
RotateSprite(0, 90, #PB_Absolute)
DisplaySprite(0, 20, 0)
RotateSprite(0, 90, #PB_Relative)
DisplaySprite(0, 30, 0)
RotateSprite(0, 0, #PB_Absolute)
TransparentSpriteColor(0, RGB(0, 0, 255))
DisplayTransparentSprite(0, 40, 0)
DisplayTransparentSprite(0, 50, 0, 255, RGB(255, 0, 0))
DisplayTransparentSprite(0, 60, 0, 128)
DisplayTransparentSprite(0, 60, 10, 0)
SpriteBlendingMode(#PB_Sprite_BlendSourceAlpha, #PB_Sprite_BlendOne)
DisplaySprite(0, 70, 0)
SpriteBlendingMode(#PB_Sprite_BlendSourceAlpha, #PB_Sprite_BlendInvertSourceAlpha)
CopySprite(0, 3)
StartDrawing(SpriteOutput(0))
Box(0, 0, 4, 4, RGB(0, 0, 255))
StopDrawing()
DisplayTransparentSprite(0, 80, 0)
DisplayTransparentSprite(3, 90, 0)
GrabSprite(4, 0, 0, 8, 16)
DisplaySprite(4, 100, 0)
FreeSprite(3)
; new sprites: black, or see-through with AlphaBlending; the default transparent colour
TransparentSpriteColor(#PB_Default, RGB(1, 2, 3))
CreateSprite(5, 4, 4, #PB_Sprite_AlphaBlending)
CreateSprite(6, 4, 4)
TransparentSpriteColor(#PB_Default, RGB(0, 0, 0))
DisplayTransparentSprite(5, 110, 20)
DisplayTransparentSprite(6, 115, 20)
Debug "grabbed " + Str(SpriteWidth(4)) + " " + Str(SpriteHeight(4)) + ", freed " + Str(IsSprite(3))
StartDrawing(ScreenOutput())
Debug "clip and zoom " + Px(0, 0) + " " + Px(7, 7) + " " + Px(7, 8) + " " + Px(8, 0)
Debug "quarter turn " + Px(21, 1) + " " + Px(26, 1) + " " + Px(21, 6) + " " + Px(26, 6)
Debug "half turn " + Px(31, 1) + " " + Px(36, 6)
Debug "blue clear " + Px(41, 1) + " " + Px(41, 5) + " " + Px(45, 5)
Debug "red tint " + Px(51, 1) + " " + Px(55, 1) + " " + Px(55, 5) + " " + Px(51, 5)
c = Point(61, 1)
Debug "half alpha " + Str(Bool(Abs(Red(c) - 178) <= 2 And Abs(Green(c) - 50) <= 2)) + " " + Px(61, 11)
Debug "added " + Px(71, 1) + " " + Px(75, 1)
Debug "drawn again " + Px(81, 1) + " " + Px(85, 1)
Debug "copy " + Px(91, 1) + " " + Px(91, 5) + " " + Px(95, 1)
Debug "grab " + Px(100, 0) + " " + Px(107, 15)
Debug "fresh " + Px(111, 21) + " " + Px(116, 21)
StopDrawing()
CreateSprite(1, 9, 9)
StartDrawing(SpriteOutput(1))
Circle(4, 4, 4, RGB(255, 255, 0))
StopDrawing()
Debug "corners " + Str(SpriteCollision(1, 0, 0, 1, 8, 8)) + " " + Str(SpritePixelCollision(1, 0, 0, 1, 8, 8))
Debug "sides " + Str(SpritePixelCollision(1, 0, 0, 1, 8, 0)) + " " + Str(SpritePixelCollision(1, 0, 0, 1, 5, 5)) + " " + Str(SpriteCollision(1, 0, 0, 1, 10, 0))
ZoomSprite(1, 18, 18)
Debug "zoomed corners " + Str(SpriteCollision(1, 0, 0, 1, 16, 16)) + " " + Str(SpritePixelCollision(1, 0, 0, 1, 16, 16)) + " " + Str(SpritePixelCollision(1, 0, 0, 1, 16, 8))
Debug "screen " + Str(ScreenWidth()) + " " + Str(ScreenHeight())
CloseScreen()
Debug "closed " + Str(ScreenWidth()) + " " + Str(ScreenHeight())
; expect:
; clipped 4 8
; zoomed 8 16
; whole 8 8
; grabbed 8 16, freed 0
; clip and zoom 0,255,0 0,255,0 255,255,255 100,100,100
; quarter turn 0,0,255 255,0,0 255,255,255 0,255,0
; half turn 255,255,255 255,0,0
; blue clear 255,0,0 100,100,100 255,255,255
; red tint 255,0,0 0,0,0 255,0,0 100,100,100
; half alpha 1 100,100,100
; added 255,100,100 100,255,100
; drawn again 100,100,100 0,255,0
; copy 255,0,0 100,100,100 0,255,0
; grab 0,255,0 255,255,255
; fresh 100,100,100 0,0,0
; corners 1 0
; sides 1 1 0
; zoomed corners 1 0 1
; screen 120 40
; closed 0 0

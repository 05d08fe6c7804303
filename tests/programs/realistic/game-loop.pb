; a small game's state as it moves: a sprite list with velocities, bouncing and scoring,
; run for a fixed number of steps without a window
Structure Ball
  x.f
  y.f
  vx.f
  vy.f
  hits.i
EndStructure
Global NewList balls.Ball()
Global score, width = 100, height = 50
Procedure Spawn(x.f, y.f, vx.f, vy.f)
  AddElement(balls())
  balls()\x = x : balls()\y = y
  balls()\vx = vx : balls()\vy = vy
EndProcedure
Procedure Step_()
  ForEach balls()
    balls()\x + balls()\vx
    balls()\y + balls()\vy
    If balls()\x < 0 Or balls()\x > width
      balls()\vx = -balls()\vx
      balls()\hits + 1
      score + 10
    EndIf
    If balls()\y < 0 Or balls()\y > height
      balls()\vy * -1
      balls()\hits + 1
      score + 5
    EndIf
  Next
EndProcedure
Spawn(10, 10, 7.5, 3)
Spawn(90, 40, -12, -4.5)
For frame = 1 To 40
  Step_()
Next
FirstElement(balls())
Debug StrF(balls()\x, 1) + " " + StrF(balls()\y, 1) + " " + Str(balls()\hits)
LastElement(balls())
Debug StrF(balls()\x, 1) + " " + StrF(balls()\y, 1) + " " + Str(balls()\hits)
Debug "score " + Str(score)
; expect:
; 85.0 22.0 4
; 42.0 31.0 7
; score 85

; MouseDeltaX and MouseDeltaY: how far the mouse moved between two ExamineMouse calls;
; MouseWheel: the wheel's steps in between, away from the user counting up
OpenWindowedScreen(0, 0, 0, 320, 200)
InitMouse()
Repeat
  ExamineMouse()
  s$ = Str(MouseDeltaX()) + "," + Str(MouseDeltaY()) + " " + Str(MouseWheel())
  If s$ <> last$
    Debug s$
    last$ = s$
  EndIf
  FlipBuffers()
ForEver
; mouse:
; move QLCXcanvas 10 20
; move QLCXcanvas 40 25
; wheel QLCXcanvas 40 25 -100
; expect:
; 0,0 0
; 10,20 0
; 0,0 0
; 30,5 0
; 0,0 0
; 0,0 1
; 0,0 0

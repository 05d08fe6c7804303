; OpenScreen makes a canvas of the size asked for, names the page and measures the mouse from
; the canvas
OpenScreen(200, 100, 32, "Game")
InitMouse()
Repeat
  ExamineMouse()
  If MouseX() <> 0
    Debug Str(MouseX()) + "," + Str(MouseY())
    Break
  EndIf
  FlipBuffers()
ForEver
; mouse:
; move QLCXcanvas 3 4
; do:
; see QLCXcanvas .width 200
; see QLCXcanvas .height 100
; see QLCXcanvas .ownerDocument.title Game
; expect:
; 3,4

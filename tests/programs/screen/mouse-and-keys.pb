; The mouse on a windowed screen placed in the page: its position counts from the screen's
; top left, the buttons follow the browser's codes; a key release is reported once, a held
; key while it is held
OpenWindowedScreen(0, 20, 30, 320, 200)
InitMouse()
InitKeyboard()
Repeat
  ExamineMouse()
  ExamineKeyboard()
  s$ = Str(MouseX()) + "," + Str(MouseY()) + " " + Str(MouseButton(1)) + Str(MouseButton(2)) + Str(MouseButton(3)) + Str(MouseButton(0)) + Str(MouseButton(4))
  If s$ <> last$
    Debug s$
    last$ = s$
  EndIf
  If KeyboardReleased(65)
    Debug "released A " + Str(KeyboardReleased(65))
  EndIf
  If KeyboardPushed(66) <> held
    held = KeyboardPushed(66)
    Debug "B held " + Str(held)
  EndIf
  FlipBuffers()
ForEver
; mouse:
; move QLCXcanvas 0 20
; move QLCXcanvas 100 70
; down QLCXcanvas 100 70 left
; up QLCXcanvas 100 70 left
; down QLCXcanvas 100 70 right
; up QLCXcanvas 100 70 right
; down QLCXcanvas 100 70 middle
; up QLCXcanvas 100 70 middle
; key QLCXcanvas a
; do:
; hold b 300
; see QLCXcanvas .offsetLeft 20
; see QLCXcanvas .offsetTop 30
; see QLCXcanvas .width 320
; see QLCXcanvas .height 200
; expect:
; 0,0 00000
; 0,20 00000
; 100,70 00000
; 100,70 10000
; 100,70 00000
; 100,70 01000
; 100,70 00000
; 100,70 00100
; 100,70 00000
; released A 0
; B held 1
; B held 0

; KeyboardInkey() gives the character typed since it was last asked, and #PB_Key_All asks
; about every key
OpenWindowedScreen(0, 0, 0, 160, 100)
InitKeyboard()
Repeat
  ExamineKeyboard()
  k$ = KeyboardInkey()
  If k$ <> ""
    Debug "typed " + k$
  EndIf
  If KeyboardReleased(#PB_Key_All)
    n + 1
    Debug "released " + Str(n)
  EndIf
  FlipBuffers()
Until n = 2
Debug "done"
; mouse:
; key QLCXcanvas q
; key QLCXcanvas Z
; expect:
; typed q
; released 1
; typed Z
; released 2
; done

; With --debug-pane, Debug lines go to a pane below the window instead of message boxes: all
; of them, numbered from 1; Clear empties it, and neither printing nor clicking Clear takes
; the keyboard focus from the gadget that has it
OpenWindow(0, 0, 0, 300, 100, "Pane")
StringGadget(1, 10, 10, 200, 24, "")
SetActiveGadget(1)
For i = 1 To 3000
  Debug "line " + Str(i)
Next
; switches: --debug-pane
; do:
; see QLCXdebuglines .childElementCount 3000
; see QLCXdebuglines .firstChild.firstChild.textContent 1
; see QLCXdebuglines .lastChild.lastChild.textContent line 3000
; see QLCXdebug top 142px
; key x
; see 1 .value x
; click Clear
; see QLCXdebuglines .childElementCount 0
; key y
; see 1 .value xy
; expect:

; The two-windows example: a note sent from one window to the other, a counter that renames
; its window, and the windows closed one after the other by their close boxes
; program: ../../../examples/windows/windows.pb
; do:
; type hello there into 2
; click Send
; see 5 text Note 1: hello there
; see 2 .value 
; click Click me
; click Click me
; see 6 text Clicks: 2
; see window1_title text Counter (2)
; click X
; see window0 missing
; see window1_title text Counter (2)
; click X
; see window1 missing
; dialogs:
; Two windows\n\nBoth windows are closed. Goodbye!

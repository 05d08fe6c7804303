; A Repeat of the event loop left open ends after one pass instead of holding the page
Debug "before"
Repeat
  e = WindowEvent()
  Debug "pass"
; expect:
; before
; pass
; expect-log:
; line 3: Repeat without Until

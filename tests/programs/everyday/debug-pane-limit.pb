; The debug pane keeps the last 5,000 lines, still numbered from the first line printed
For i = 1 To 12000
  Debug "line " + Str(i)
Next
; switches: --debug-pane
; do:
; see QLCXdebuglines .childElementCount 5000
; see QLCXdebuglines .firstChild.firstChild.textContent 7001
; see QLCXdebuglines .firstChild.lastChild.textContent line 7001
; see QLCXdebuglines .lastChild.firstChild.textContent 12000
; expect:

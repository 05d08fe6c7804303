; A Break inside a Select leaves the loop, not just the Select; Break 2 leaves two loops
; program: ../../golden/statements-break-continue.bas
; expect:
; 8
; 26
; 1
; 3
; 4

; An integer division by zero stops the program
z = 0
Debug "before"
Debug 5 / z
Debug "after"
; expect:
; before
; expect-error:
; division by zero

; An integer division by zero stops the program and shows its line
z = 0
Debug "before"
Debug 5 / z
Debug "after"
; expect:
; before
; expect-error:
; line 4: division by zero

; An integer remainder by zero stops the program, as division does
a = 7
b = 0
Debug "before"
Debug a % b
Debug "after"
; expect:
; before
; expect-error:
; line 5: division by zero

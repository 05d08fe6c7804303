; The address of a variable where a procedure is wanted: the thread would run its bytes, so
; the program stops with its line
OpenConsole()
counter = 5
PrintN("before")
t = CreateThread(@counter, 0)
PrintN("not reached")
; expect-error:
; line 6: invalid memory access
; console:
; before

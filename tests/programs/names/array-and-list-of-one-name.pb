; An array and a list of one name cannot be told apart in "x(1)": refused with the line
Dim x(2)
NewList x()
Debug "never"
; expect-log:
; line 3: not supported: array and list of one name: x

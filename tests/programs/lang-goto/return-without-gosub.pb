; A Return with no Gosub to go back to stops the program with its line
Debug "before"
Gosub sub
Debug "between"
sub:
Debug "sub"
Return
; expect:
; before
; sub
; between
; sub
; expect-error:
; line 7: Return without Gosub

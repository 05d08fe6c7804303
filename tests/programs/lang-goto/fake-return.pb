; FakeReturn forgets the latest Gosub, so a subroutine can leave with a Goto
Gosub check
Debug "not here"
End
check:
Debug "checking"
FakeReturn
Goto elsewhere
elsewhere:
Debug "elsewhere"
Gosub inner
Debug "back"
End
inner:
Debug "inner"
Return
; expect:
; checking
; elsewhere
; inner
; back

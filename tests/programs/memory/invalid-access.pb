; Reading through a freed block, or past the end of one, stops the program with its line
OpenConsole()
m = AllocateMemory(16)
PokeL(m + 12, 7)
PrintN(Str(PeekL(m + 12)))
FreeMemory(m)
PrintN("freed")
PrintN(Str(PeekL(m)))
PrintN("not reached")
; expect-error:
; line 8: invalid memory access
; console:
; 7
; freed

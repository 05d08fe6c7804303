; A write through a null pointer and a write past a block's end are faults too
OpenConsole()
p = AllocateMemory(4)
PokeB(p + 3, 1)
PrintN("inside")
PokeL(p + 2, 1)
PrintN("not reached")
; expect-error:
; line 6: invalid memory access
; console:
; inside

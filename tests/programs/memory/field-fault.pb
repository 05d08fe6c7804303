; A field read in place through a freed pointer stops the program at its line, as a Peek does
Structure P
  x.l
EndStructure
OpenConsole()
*p.P = AllocateMemory(8)
*p\x = 5
PrintN(Str(*p\x))
FreeMemory(*p)
PrintN(Str(*p\x))
PrintN("not reached")
; expect-error:
; line 10: invalid memory access
; console:
; 5

; What a page cannot do is reported with its line
a = 1
m = AllocateMemory(100)
PokeL(m, 5)
t = CreateThread(@counter, 0)
n = InitNetwork()
RunProgram("notepad")
; expect-log:
; line 3: not supported: AllocateMemory
; line 4: not supported: PokeL
; line 5: not supported: CreateThread
; line 5: not supported: address @counter
; line 6: not supported: InitNetwork
; line 7: not supported: RunProgram

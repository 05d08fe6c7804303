; What a page cannot do is reported with its line
a = 1
t = CreateThread(@counter, 0)
n = InitNetwork()
RunProgram("notepad")
; expect-log:
; line 3: not supported: address @counter
; line 4: not supported: InitNetwork
; line 5: not supported: RunProgram

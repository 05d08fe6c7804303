; What a page cannot do is reported with its line
Dim a(1)
t = @a()
n = InitNetwork()
RunProgram("notepad")
; expect-log:
; line 3: not supported: address @a of an array, list or map or an element
; line 4: not supported: InitNetwork
; line 5: not supported: RunProgram

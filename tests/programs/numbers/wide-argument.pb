; A wide integer given to a command that computes with the browser's numbers stops the
; program with its line, rather than being rounded where the program cannot see it
x.q = 1 << 60
Debug Str(x)
Debug Random(x)
Debug "after"
; expect:
; 1152921504606846976
; expect-error:
; line 5: integer beyond 2^53 given to a command

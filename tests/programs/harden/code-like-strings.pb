; Compaction keeps string literals as they are: code-like text, runs of blanks, quotes of the
; other kind, and names that look like the runtime's
s$ = "a;b // c" + "{ x = y; }"
t$ = "  two  blanks  "
u$ = "'single'" + "=>" + " function INIT() { var x = 1; } /* not a comment */"
Debug s$ + "|" + t$ + "|" + u$
Debug Str(Len(s$)) + "," + Str(Len(t$))
; expect:
; a;b // c{ x = y; }|  two  blanks  |'single'=> function INIT() { var x = 1; } /* not a comment */
; 18,15

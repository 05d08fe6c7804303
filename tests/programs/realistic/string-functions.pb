; string functions
s$ = "  Hello, World  "
t$ = Trim(s$)
Debug "[" + t$ + "]"
Debug Left(t$, 5) + "|" + Right(t$, 5) + "|" + Mid(t$, 8, 5)
Debug UCase(t$) + " " + LCase(t$)
Debug Str(FindString(t$, "World")) + " " + Str(FindString(t$, "xyz")) + " " + Str(Len(t$))
Debug ReplaceString(t$, "l", "L")
Debug Chr(65) + Str(Asc("a")) + " " + Hex(255) + " " + Bin(5)
Debug Str(Val("42abc")) + " " + StrF(ValF("3.25"), 2)
Debug LSet("ab", 5, "*") + RSet("cd", 5, "-")
Debug ReverseString("abc") + " " + Space(3) + "|"
; expect:
; [Hello, World]
; Hello|World|World
; HELLO, WORLD hello, world
; 8 0 12
; HeLLo, WorLd
; A97 FF 101
; 42 3.25
; ab***---cd
; cba    |

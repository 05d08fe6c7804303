; The console wraps a long line at column 80, inside a word, as a console does; Chr(8) takes
; back the character before it, also across a change of colour, and does nothing at the start
; of a line
OpenConsole()
PrintN(LSet("", 78, "a") + " bcdefgh")
Print("abcX" + Chr(8) + "d")
ConsoleColor(2, 0)
Print("Z")
ConsoleColor(7, 0)
PrintN(Chr(8) + Chr(8) + "!")
PrintN(Chr(8) + "start")
; console:
; aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa b
; cdefgh
; abc!
; start

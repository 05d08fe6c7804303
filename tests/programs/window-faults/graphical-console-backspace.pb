; In the graphical console Chr(8) moves back a column and clears the character there; at the
; first column it stays
EnableGraphicalConsole(1)
ConsoleLocate(0, 0)
Print("abcX" + Chr(8) + "d")
Print(Chr(8) + Chr(8) + "!")
ConsoleLocate(0, 1)
Print(Chr(8) + "x")
; console:
; ab!
; x

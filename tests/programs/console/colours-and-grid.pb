; Colours, ClearConsole and the graphical console's grid
PrintN("before open")
OpenConsole("Grid")
ConsoleTitle("Grid test")
ClearConsole()
ConsoleColor(14, 1)
PrintN("yellow on blue")
ConsoleColor(7, 0)
EnableGraphicalConsole(1)
ConsoleLocate(5, 2)
Print("at 5,2")
ConsoleLocate(0, 0)
Print("top")
; console:
; top
;
;      at 5,2

; Bool, Sign, Mod and Round with its three modes (halves away from zero)
a = 3
Debug Str(Bool(a > 2)) + Str(Bool(a > 5))
Debug Str(Sign(-4)) + " " + Str(Sign(0)) + " " + Str(Sign(2.5))
Debug Mod(7.5, 2)
Debug Mod(-7, 3)
Debug Str(Round(2.5, #PB_Round_Nearest)) + " " + Str(Round(-2.5, #PB_Round_Nearest))
Debug Str(Round(2.7, #PB_Round_Down)) + " " + Str(Round(-2.2, #PB_Round_Down))
Debug Str(Round(2.2, #PB_Round_Up)) + " " + Str(Round(-2.7, #PB_Round_Up))
; expect:
; 10
; -1 0 1
; 1.5
; -1
; 3 -3
; 2 -3
; 3 -2

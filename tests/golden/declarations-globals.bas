; Global, Define, Protected-free main program declarations
Global a.i, b.i
Global score.i = 10, lives = 3
Define name$ = "Ann"
Define speed.f = 1.5, count.l
Global title.s
v = 1
v.f = 2.5
w.f = 1
w.s = "x"
Global NewList shots.i()
Global Dim board.i(7, 7)
Define.s first, second = "b", third.i
Global.f ratio
Procedure Tally()
	Protected.s text
	Static.i calls
	calls + 1
EndProcedure

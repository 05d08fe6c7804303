; variables named like runtime functions or browser globals get private names
empty = 1
drag = empty + 1
dimfunc = 2
setontop = 3
draginit = 4 : dragstart = 5 : dragstop = 6
location = 7
name = 8
new = 9
Dim document(3)
document(1) = name
Procedure Use()
	Protected top
	top = empty
EndProcedure

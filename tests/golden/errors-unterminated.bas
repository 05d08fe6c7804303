; a Structure without EndStructure does not swallow the program
Structure Point
	x.i
	y.i
a = 1
Debug a
Procedure Open()
	b = 2
Procedure Next2()
	c = 3
EndProcedure
Debug a

; names the page needs for itself
Procedure INIT()
EndProcedure
Procedure Inf_1_0()
EndProcedure
Procedure ChangeLoop(f)
EndProcedure
Procedure QLCXStart()
EndProcedure
Procedure Box(x)
EndProcedure
Structure Int
	v.i
EndStructure
Structure String
	s.s
EndStructure
x = 1

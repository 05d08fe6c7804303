; loops inside procedures are not cut into timer functions
Procedure WaitKey()
	Repeat
		k = Random(10)
	Until k = 5
EndProcedure

Procedure Spin(n)
	Repeat
		n - 1
		If n < 0
			Break
		EndIf
	ForEver
	Repeat
		n + 1
	Until (n > 10)
EndProcedure

Procedure Sum(List values.i(), Array grid.i(1))
	Protected s
	ForEach values()
		s + values()
	Next
	ProcedureReturn s + grid(0) + ListSize(values())
EndProcedure

NewList numbers.i()
Dim cells.i(3)
AddElement(numbers())
numbers() = 4
Debug Sum(numbers(), cells())
WaitKey()
Spin(3)

; constructs outside the language are reported, not translated into broken script
#Width = 5
a = 1
If a = 1
	b = 1
ElseIf a = 2
	b = 2
EndIf
c = a XOr 3
Select a
	Case 1, 2
		b = 3
	Case 3 To 5
		b = 4
EndSelect
m = a % 2
n = a & 1
*p = 5
q = *p
Procedure Sub(start)
	Protected Dim local(5)
	Static first = start
	Static second = (2 * 3
EndProcedure
Sub(1)
Break
For i = 1 To 2
	Break 3
	Continue i
Next
Define.q

; every message of statement translation, with its line
a = 1
Pause(10)
x = a b
c = #PB_Key_Separator
d = (a + 1
e = a + 1)
Procedure Late()
	Sleep(5)
	z = #Nothing
EndProcedure
f = a%2
g = @a(1)

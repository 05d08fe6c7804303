; lists: NewList, ForEach, the current element and the list itself
NewList l()
NewList names$()
NewList ratios.f()
AddElement(l())
l() = 5
AddElement(l())
l() = l() + 1
s = 0
ForEach l()
	s = s + l()
	Debug l()
Next
Debug ListSize(l())
AddElement(names$())
names$() = "Bo"
ResetList(l())
While NextElement(l())
	If l() > 5
		DeleteElement(l())
	EndIf
Wend
SelectElement(l(), 0)
x = l() * 2
FirstElement(ratios())

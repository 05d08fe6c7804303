; Select / Case / Default, nested, and a Case in brackets
k = 2
Select k
	Case 1
		Debug "one"
	Case 2
		Select k * 2
			Case 4
				Debug "four"
			Default
				Debug "not four"
		EndSelect
	Case (3)
		Debug "three"
	Default
		Debug "many"
EndSelect
Select (k)
	Case #PB_Key_Escape
		End
EndSelect

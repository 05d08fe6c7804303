; If with And / Or and every comparison
a = 1 : b = 2
If a = 1 And b = 2
	Debug "both"
EndIf
If a <> b Or a <= b
	c = 1
Else
EndIf
If a => b And a =< 3 Or a >= 1
	c = 2
Else
	c = 3
EndIf
If a < b : c = 4 : EndIf
; a minus inside a condition is a subtraction, not an assignment
If a - b > 0
	c = 5
EndIf
If Not a
	c = 6
EndIf
If (a = 1) And Not (b = 3)
	c = 7
EndIf
While (a < 5)
	a + 1
Wend
While a > 0 And b
	a - 1
Wend

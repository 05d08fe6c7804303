; constructs outside the language are reported, not translated into broken script
; (constants, ElseIf, Case lists, scoped Dim, XOr, % and & are part of the language now)
a = 1
If a = 1
	b = 1
;
;
EndIf
c = a XOr 3
;
;
;
;
;
;
m = a % 2
n = a & 1
*p = 5
q = *p
Procedure Sub(start)
;
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

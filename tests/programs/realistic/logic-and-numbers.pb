; logic and comparisons as programs use them
a = 5 : b = 0 : c = 3
If a > 3 And b = 0
  Debug "one"
EndIf
If Not (a < 3 Or c > 5)
  Debug "two"
EndIf
If a = 5 XOr c = 3
  Debug "never"
Else
  Debug "three"
EndIf
flag = Bool(a > c)
Debug Str(flag) + " " + Str(Bool(a < c)) + " " + Str(Bool(a > c) + Bool(c > 1))
If a > 10
  Debug "big"
ElseIf a > 4
  Debug "medium"
ElseIf a > 1
  Debug "small"
Else
  Debug "tiny"
EndIf
s$ = "abc"
If s$ < "abd" And s$ <> ""
  Debug "less"
EndIf
n = 0
While n < 100
  n + 7
  If n % 5 = 0 : Break : EndIf
Wend
Debug Str(n)
x = 12
Select x % 4
  Case 0
    Select x / 4
      Case 3 : Debug "twelve"
      Default : Debug "other"
    EndSelect
  Case 1, 2
    Debug "odd"
EndSelect
h = $7FFFFFFF + 1
Debug Str(h)
Debug Str(7 & 3) + " " + Str(5 | 2) + " " + Str(6 ! 3) + " " + Str(~0) + " " + Str(1 << 40)
; expect:
; one
; two
; three
; 1 0 2
; medium
; less
; 35
; twelve
; 2147483648
; 3 7 5 -1 1099511627776

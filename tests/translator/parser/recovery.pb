Procedure First(n)
  If n > 0
    Debug "first"
Procedure Second()
  Debug "second"
EndProcedure
EndProcedure
EndProcedure
For i = 1 To 2
  Repeat x
  Until i > 0
Next -i
If a
Else b
EndIf+1
Debug "after" +
EndIf
To 3
Step
x = ?Start
c = d <!-- e
n = $10000000000000001 + 9223372036854775807
a = b</script> : x = 1
Debug 1 + )
DataSection
  start:
  Data.i 1, 2
  Debug "in the data"
EndDataSection
DataSection
  more:
  Data.s "x"
y = 1
x = 5 ^ 2
Else x
For i = 1 To 2 Step
Next
Debug "open

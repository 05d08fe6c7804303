If a < 5 : Debug 1 : ElseIf a < 9 : Debug 2 : Else : Debug 3 : EndIf
While -a < 0
  a + 1
Wend
Repeat
  For i = 0 To 10 Step 2
    If *p
      Break
    EndIf
  Next i
Until x > 3 Or Done()
Repeat : Delay(10) : ForEver
ForEach people()
  Continue
Next
Select key
  Case 1, 3 To 5
    Debug "low"
  Case #Max
  Default
    Debug "other"
EndSelect
If a
Else
Else
  Debug 1
EndIf
If b
  Procedure Inner()
    Debug 2
  EndProcedure
EndIf
Structure Open
  x.i
Debug 3
With ships(i)
  \pos\x = \speed * 2
EndWith
Interface IShape
  Area.d()
  Name.s(long.i = 0)
EndInterface
Interface ISized Extends IShape
  Grow(by.d)
EndInterface
DataSection
  Methods: : Data.i @Area(), @Name()
EndDataSection
x = ?Methods + 8
shape\Grow(2)

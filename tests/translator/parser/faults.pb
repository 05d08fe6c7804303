If a = 1
  x = (2 * 3
  Debug "still in the If"
EndIf
Wend
Procedure Outer()
  If b
    Debug b
EndProcedure
For i = 1 To
  Debug i
Next
Select v
  Debug "before any Case"
  Case
EndSelect
Case 3
Repeat
  Debug 1
Repeat
  Debug 2
Until x = (
Structure Open
  StructureUnion
    x.l
    StructureUnion
  y.l
EndStructure
EndStructureUnion

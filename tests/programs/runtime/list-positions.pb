; A structured list sorted, walked with PushListPosition and PopListPosition around a look at
; its first element, copied into a map, and cut down
Structure P
  name.s
  age.i
EndStructure
NewList people.P()
For i = 1 To 5
  AddElement(people())
  people()\name = Chr(64 + i) : people()\age = (i * 37) % 50
Next
SortStructuredList(people(), #PB_Sort_Ascending, OffsetOf(P\age), #PB_Integer)
s$ = ""
ForEach people() : s$ + people()\name + Str(people()\age) + " " : Next
Debug s$
ResetList(people())
While NextElement(people())
  If people()\age > 30
    PushListPosition(people())
    FirstElement(people())
    first$ = people()\name
    PopListPosition(people())
    Debug people()\name + " after first " + first$
  EndIf
Wend
NewMap ages.P()
ForEach people()
  ages(people()\name) = people()
Next
DeleteMapElement(ages(), "C")
If FindMapElement(ages(), "D") : Debug "D is " + Str(ages()\age) : EndIf
Debug Str(MapSize(ages())) + " " + Str(ListSize(people())) + " " + Str(ListIndex(people()))
SelectElement(people(), 2)
DeleteElement(people())
Debug people()\name + " " + Str(ListIndex(people()))
ClearList(people())
Debug Str(ListSize(people()))
; expect:
; C11 B24 E35 A37 D48 
; E after first C
; A after first C
; D after first C
; D is 48
; 4 5 4
; B 1
; 0

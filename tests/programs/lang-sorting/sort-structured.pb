; Sorting structures by a field is stable: equal keys keep their order
Structure Player
  name.s
  score.i
EndStructure
Dim p.Player(4)
For i = 0 To 4
  p(i)\name = StringField("ann,bob,cy,dan,eve", i + 1, ",")
  p(i)\score = Val(StringField("3,1,3,2,1", i + 1, ","))
Next
SortStructuredArray(p(), #PB_Sort_Ascending, OffsetOf(Player\score), #PB_Integer)
For i = 0 To 4 : r$ + p(i)\name + " " : Next
Debug r$
SortStructuredArray(p(), #PB_Sort_Descending, OffsetOf(Player\name), #PB_String)
Debug p(0)\name + " " + p(4)\name
NewList q.Player()
AddElement(q()) : q()\name = "x" : q()\score = 9
AddElement(q()) : q()\name = "y" : q()\score = 4
SortStructuredList(q(), #PB_Sort_Ascending, OffsetOf(Player\score), #PB_Integer)
FirstElement(q())
Debug q()\name
; expect:
; bob eve dan ann cy 
; eve ann
; y

; SortArray ascending, descending, a part, strings without letter case; SortList
Dim n(5)
For i = 0 To 5 : n(i) = Val(StringField("5,3,9,1,7,2", i + 1, ",")) : Next
SortArray(n(), #PB_Sort_Ascending)
For i = 0 To 5 : r$ + Str(n(i)) : Next
SortArray(n(), #PB_Sort_Descending, 1, 4)
r$ + " "
For i = 0 To 5 : r$ + Str(n(i)) : Next
Debug r$
Dim w.s(3)
w(0) = "b" : w(1) = "C" : w(2) = "a" : w(3) = "D"
SortArray(w(), #PB_Sort_Ascending)
Debug w(0) + w(1) + w(2) + w(3)
SortArray(w(), #PB_Sort_Ascending | #PB_Sort_NoCase)
Debug w(0) + w(1) + w(2) + w(3)
SortArray(w(), #PB_Sort_Descending | #PB_Sort_NoCase)
Debug w(0) + w(1) + w(2) + w(3)
NewList l.d()
AddElement(l()) : l() = 2.5
AddElement(l()) : l() = -1
AddElement(l()) : l() = 0.5
SortList(l(), #PB_Sort_Ascending)
ForEach l()
  Debug l()
Next
; expect:
; 123579 175329
; CDab
; abCD
; DCba
; -1
; 0.5
; 2.5

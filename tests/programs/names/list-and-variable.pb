; A list and a variable of one name: the variable counts, the list keeps its elements
NewList items.s()
items = 0
For i = 1 To 3
  AddElement(items()) : items() = "e" + Str(i)
  items + 1
Next
Debug items
ForEach items()
  Debug items()
Next
Debug ListSize(items())
SortList(items(), #PB_Sort_Descending)
FirstElement(items())
Debug items()
; expect:
; 3
; e1
; e2
; e3
; 3
; e3

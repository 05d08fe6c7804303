; An Array field is made anew by Dim and resized by ReDim, keeping its elements; NewList of a
; list field empties it
Structure Bag
  Array items.i(2)
  List names.s()
  Map ages.i()
EndStructure
b.Bag
b\items(1) = 5
Dim b\items(10)
b\items(9) = 3
ReDim b\items(12)
AddElement(b\names()) : b\names() = "x"
b\ages("a") = 4
NewList b\names()
AddElement(b\names()) : b\names() = "y"
Debug Str(ArraySize(b\items())) + " " + Str(b\items(9)) + " " + Str(ListSize(b\names())) + " " + Str(b\ages("a"))
; expect:
; 12 3 1 4

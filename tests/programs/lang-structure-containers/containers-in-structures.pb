; Array, list and map fields: each element of a structure array has its own, they work with
; the commands of their kind and with ForEach, and copying a structure copies them
Structure Point
  x.i
  y.i
EndStructure
Structure Bag
  name.s
  Array a.i(3)
  List l.s()
  Map m.Point()
  corners.Point[2]
EndStructure
Dim bags.Bag(1)
bags(0)\a(2) = 5
bags(1)\a(2) = 7
bags(1)\a(3) = bags(0)\a(2) * 10
AddElement(bags(0)\l()) : bags(0)\l() = "x"
AddElement(bags(0)\l()) : bags(0)\l() = "y"
bags(1)\m("p")\x = 3
bags(1)\corners[1]\y = 4
ForEach bags(0)\l()
  Debug "item " + bags(0)\l()
Next
Debug Str(bags(0)\a(2)) + " " + Str(bags(1)\a(2)) + " " + Str(bags(1)\a(3)) + " " + Str(ArraySize(bags(1)\a()))
Debug Str(ListSize(bags(0)\l())) + " " + Str(ListSize(bags(1)\l())) + " " + Str(MapSize(bags(1)\m())) + " " + Str(bags(1)\m("p")\x) + " " + Str(bags(1)\corners[1]\y)
Define b.Bag, c.Bag
b\name = "b"
AddElement(b\l()) : b\l() = "z"
b\a(1) = 9
b\m("k")\y = 6
c = b
b\a(1) = 1
b\m("k")\y = 0
AddElement(b\l()) : b\l() = "w"
b\name = "changed"
Debug c\name + " " + Str(c\a(1)) + " " + Str(ListSize(c\l())) + " " + Str(c\m("k")\y)
bags(0) = c
c\a(1) = 2
Debug Str(bags(0)\a(1)) + " " + bags(0)\name
CopyStructure(@b, @c, Bag)
Debug c\name + " " + Str(ListSize(c\l()))
ClearStructure(@bags(1), Bag)
Debug Str(bags(1)\a(2)) + " " + Str(MapSize(bags(1)\m())) + " [" + bags(1)\name + "]"
; expect:
; item x
; item y
; 5 7 50 3
; 2 0 1 3 4
; b 9 1 6
; 9 b
; changed 2
; 0 0 []

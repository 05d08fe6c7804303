; CopyArray, CopyList and CopyMap copy every element, structures member by member, so the
; copy and the original change apart; ChangeCurrentElement, SwapElements and MoveElement name
; elements by their index
Structure Point
  x.i
  y.i
EndStructure
Dim a.Point(2)
a(1)\x = 5
Dim b.Point(0)
CopyArray(a(), b())
b(1)\x = 9
Debug Str(ArraySize(b())) + " " + Str(a(1)\x) + " " + Str(b(1)\x)
NewList l.s()
AddElement(l()) : l() = "one"
AddElement(l()) : l() = "two"
AddElement(l()) : l() = "three"
NewList c.s()
AddElement(c()) : c() = "old"
CopyList(l(), c())
FirstElement(c()) : c() = "ONE"
Debug ListJoin(l(), ",") + " / " + ListJoin(c(), ",")
ChangeCurrentElement(l(), 1)
Debug l()
SwapElements(l(), 0, 2)
Debug ListJoin(l(), ",")
FirstElement(l())
MoveElement(l(), #PB_List_Last)
Debug ListJoin(l(), ",") + " " + l() + " " + Str(ListIndex(l()))
MoveElement(l(), #PB_List_Before, 0)
Debug ListJoin(l(), ",")
MoveElement(l(), #PB_List_After, 1)
Debug ListJoin(l(), ",") + " " + l()
NewMap m.i()
m("a") = 1
m("b") = 2
NewMap n.i()
CopyMap(m(), n())
n("a") = 10
n("c") = 3
Debug Str(m("a")) + " " + Str(n("a")) + " " + Str(n("b")) + " " + Str(MapSize(m())) + " " + Str(MapSize(n()))
; expect:
; 2 5 9
; one,two,three / ONE,two,three
; two
; three,two,one
; two,one,three three 2
; three,two,one
; two,three,one three
; 1 10 2 2 3

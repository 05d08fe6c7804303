EnableExplicit
Define.i a, b = 2, *p.Point
Global NewList items.s(), NewMap ages.i(), Dim grid.f(9, 9)
Protected i, last = ArraySize(a())
Static count.q = 0
Dim names.s(10), grid(2, 2)
ReDim names(20)
NewList shapes.Shape()
Structure Shape Extends Base
  x.i
  name.s{20}
  cells.i[10]
  *next.Shape
  List points.Point()
EndStructure
Declare.s Greet(name$, times = 1)
Procedure.f Area(w.f, h.f = 1.5, List l.Point(), Array a.i(1), Map m.s(), *p.Point)
  Protected r.f = w * h
  ProcedureReturn r
EndProcedure
DataSection
Rooms:
  Data.i -1, -1, 1
  Data.s "north", "south"
EndDataSection
Restore Rooms
Read.s p\name
Read.i rooms(1)\Exits[2]
Runtime counter
Runtime Procedure Later()
EndProcedure
ImportC "libm.so"
  cbrt.d(x.d)
EndImport
Structure Colour
  tag.w
  StructureUnion
    rgba.l
    b.a[4]
  EndStructureUnion
EndStructure

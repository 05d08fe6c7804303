; A program split into two modules: each has a Helper of its own, Shapes keeps a counter the
; others read through its declared name, and Geometry calls into Shapes
DeclareModule Shapes
  #Sides = 4
  Structure Box
    w.i
    h.i
  EndStructure
  Global made.i
  Declare.i Area(*b.Box)
  Declare MakeBox(w, h)
EndDeclareModule

Module Shapes
  Global count = 10
  Procedure.i Helper(x)
    ProcedureReturn x * 2
  EndProcedure
  Procedure.i Area(*b.Box)
    ProcedureReturn *b\w * *b\h
  EndProcedure
  Procedure MakeBox(w, h)
    made + 1
    Protected *b.Box = AllocateStructure(Box)
    *b\w = w : *b\h = h
    Debug "box " + Str(Area(*b)) + " helper " + Str(Helper(w)) + " count " + Str(count)
    FreeStructure(*b)
  EndProcedure
EndModule

DeclareModule Geometry
  Declare Report()
EndDeclareModule

Module Geometry
  Procedure Helper(x)
    ProcedureReturn x + 100
  EndProcedure
  Procedure Report()
    Shapes::MakeBox(3, 4)
    Debug "geometry " + Str(Helper(1)) + " sides " + Str(Shapes::#Sides)
  EndProcedure
EndModule

Procedure Helper(x)
  ProcedureReturn x - 1
EndProcedure

count = 1
Geometry::Report()
Shapes::MakeBox(2, 5) : Debug "made " + Str(Shapes::made)
Define p.Shapes::Box
p\w = 6 : p\h = 7
Debug "box fields " + Str(p\w * p\h)
Debug "main " + Str(Helper(5)) + " count " + Str(count)
UseModule Shapes
MakeBox(1, 1)
Debug "sides " + Str(#Sides) + " made " + Str(made)
UnuseModule Shapes
Debug "after " + Str(Helper(3))
; expect:
; box 12 helper 6 count 10
; geometry 101 sides 4
; box 10 helper 4 count 10
; made 2
; box fields 42
; main 4 count 1
; box 1 helper 2 count 10
; sides 4 made 3
; after 2

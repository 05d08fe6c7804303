; What a union cannot hold in the heap, and the copies that would make two elements share one
; block, are refused with their lines; the union's own fields still read as one place
Structure Named
  StructureUnion
    name.s
    n.i
  EndStructureUnion
EndStructure
Structure Colour
  StructureUnion
    rgba.l
    b.a[4]
  EndStructureUnion
EndStructure
Structure Sprite
  name$
  col.Colour
EndStructure
Structure Scene
  List cols.Colour()
EndStructure
Dim a.Colour(2)
Dim b.Colour(2)
CopyArray(a(), b())
NewList l.Colour()
SortStructuredList(l(), #PB_Sort_Ascending, OffsetOf(Colour\rgba), #PB_Long)
Define sc.Scene, other.Scene
other = sc
CopyList(sc\cols(), other\cols())
CopyStructure(@sc, @other, Scene)
Structure Twice
  StructureUnion
    x.l
    StructureUnion
      y.l
    EndStructureUnion
  EndStructureUnion
EndStructure
EndStructureUnion
Structure Open
  StructureUnion
    p.w
    q.b
EndStructure
Debug SizeOf(Open)
a(1)\rgba = 513
Debug a(1)\b[1]
; expect-log:
; line 3: not supported: a StructureUnion beside strings, lists, maps or arrays, in the structure Named
; line 15: not supported: a StructureUnion beside strings, lists, maps or arrays, in the structure Sprite
; line 24: not supported: CopyArray of structures with a StructureUnion
; line 26: not supported: SortStructuredList of structures with a StructureUnion
; line 28: not supported: a copy of a structure holding structures with a StructureUnion
; line 29: not supported: CopyList of structures with a StructureUnion
; line 30: not supported: CopyStructure of a structure holding structures with a StructureUnion
; line 34: not supported: StructureUnion inside a StructureUnion
; line 37: EndStructureUnion without StructureUnion
; line 39: EndStructureUnion without StructureUnion
; line 41: StructureUnion without EndStructureUnion
; expect:
; 2
; 2

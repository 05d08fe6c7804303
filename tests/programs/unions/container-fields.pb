; A list, array or map field of a union's structure: its elements are blocks of the heap, each
; variable's own, and AddElement gives the new element's address
Structure Colour
  StructureUnion
    rgba.l
    b.a[4]
  EndStructureUnion
EndStructure
Structure Scene
  List cols.Colour()
  Array grid.Colour(2)
  Map named.Colour()
EndStructure
Define s.Scene, t.Scene
AddElement(s\cols())
s\cols()\rgba = 5
Debug s\cols()\b[0]
s\grid(1)\b[1] = 1
Debug Str(s\grid(1)\rgba) + " " + Str(t\grid(1)\rgba)
*c.Colour = AddElement(s\cols())
*c\b[2] = 1
Debug Str(s\cols()\rgba) + " " + Str(ListSize(s\cols())) + " " + Str(ListSize(t\cols()))
s\named("x")\b[3] = 1
*m.Colour = FindMapElement(s\named(), "x")
Debug *m\rgba
ForEach s\cols()
  Debug s\cols()\b[0] + s\cols()\b[2]
Next
; expect:
; 5
; 256 0
; 65536 2 0
; 16777216
; 5
; 1

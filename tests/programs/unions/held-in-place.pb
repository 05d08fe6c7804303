; Structures that hold a union in place (a field, a static array of them, a base), whole
; copies and Swap of their bytes, a map's elements, With, the structure commands, globals,
; statics and the locals of a recursion
Structure Colour
  StructureUnion
    rgba.l
    b.a[4]
  EndStructureUnion
EndStructure
; held in place: a field, a static array field, a base
Structure Pixel
  x.w
  col.Colour
  ring.Colour[2]
EndStructure
Structure Tagged Extends Colour
  tag.u
EndStructure
Debug Str(SizeOf(Pixel)) + " " + Str(OffsetOf(Pixel\ring)) + " " + Str(SizeOf(Tagged))
px.Pixel
px\col\rgba = $0A0B
px\ring[1]\rgba = -1
Debug Str(px\col\b[1]) + " " + Str(px\ring[1]\b[3]) + " " + Str(px\ring[0]\b[3])
Define t.Tagged
t\b[0] = 1 : t\tag = 9
Debug Str(t\rgba) + " " + Str(t\tag)
; a copy copies the bytes: the two stay apart afterwards
Define u.Colour, w.Colour
u\rgba = 100
w = u
u\rgba = 5
Debug Str(w\rgba) + " " + Str(u\rgba)
px\col = u
Debug px\col\b[0]
; a map's elements, With, the structure commands, an element's address
NewMap named.Colour()
named("red")\b[0] = 255
named("blue")\b[2] = 255
Debug Hex(named("red")\rgba) + " " + Hex(named("blue")\rgba)
*m.Colour = FindMapElement(named(), "blue")
Debug Str(*m\b[2]) + " " + Str(FindMapElement(named(), "none"))
With named("red")
  \b[3] = $80
  Debug Hex(\rgba)
EndWith
Dim pal.Colour(2)
pal(0)\rgba = 77
*e.Colour = @pal(0)
Debug *e\b[0]
CopyStructure(@pal(0), @pal(1), Colour)
ClearStructure(@pal(0), Colour)
Debug Str(pal(0)\rgba) + " " + Str(pal(1)\rgba)
*k.Colour = @pal(2)
Swap pal(1), pal(2)
Debug Str(pal(1)\rgba) + " " + Str(pal(2)\rgba) + " " + Str(*k\rgba)
; globals and statics, each call of a recursion with its own
Global g.Colour
Procedure Bump()
  Static s.Colour
  s\b[0] + 1
  g\b[1] = s\b[0]
  ProcedureReturn s\rgba
EndProcedure
Bump()
Debug Str(Bump()) + " " + Str(g\rgba)
Procedure Depth(n)
  Protected here.Colour
  here\b[0] = n
  If n > 0
    Depth(n - 1)
  EndIf
  ProcedureReturn here\rgba
EndProcedure
Debug Depth(3)
; expect:
; 14 6 6
; 10 255 0
; 1 9
; 100 5
; 5
; FF FF0000
; 255 0
; FFFFFFFF800000FF
; 77
; 0 77
; 0 77 77
; 2 512
; 3

; A union's fields start at one place: a write of one is read back through the others, byte
; by byte and bit by bit, in variables, elements, list elements, locals and through pointers
Structure Colour
  StructureUnion
    rgba.l
    b.a[4]
  EndStructureUnion
EndStructure
Structure Bits
  StructureUnion
    f.f
    l.l
  EndStructureUnion
EndStructure
Structure Variant
  type.w
  StructureUnion
    i.i
    d.d
    w.w[4]
  EndStructureUnion
  tail.b
EndStructure
Debug SizeOf(Colour)
Debug SizeOf(Variant)
Debug OffsetOf(Variant\d)
Debug OffsetOf(Variant\tail)
Define c.Colour
c\rgba = $11223344
Debug Hex(c\b[0]) + " " + Hex(c\b[1]) + " " + Hex(c\b[2]) + " " + Hex(c\b[3])
c\b[3] = $FF
Debug Hex(c\rgba & $FFFFFFFF)
Define bits.Bits
bits\f = 1.0
Debug Hex(bits\l)
v.Variant
v\d = 1.5
Debug v\w[3]
Dim pal.Colour(3)
pal(2)\rgba = 258
Debug pal(2)\b[1]
Debug pal(1)\rgba
c = pal(2)
Debug c\b[0]
*p.Colour = @pal(2)
Debug *p\b[0]
NewList l.Colour()
AddElement(l())
l()\b[0] = 7
ForEach l()
  Debug l()\rgba
Next
; AddElement and the moves give the element's address, as natively
*n.Colour = AddElement(l())
*n\b[1] = 1
Debug Str(l()\rgba) + " " + Str(Bool(*n = @l())) + " " + Str(NextElement(l()))
If FirstElement(l())
  *n = NextElement(l())
  Debug *n\rgba
EndIf
Procedure Show(*c.Colour)
  ProcedureReturn *c\b[0] + *c\b[1]
EndProcedure
Debug Show(@c)
Procedure Local()
  Protected k.Colour
  k\rgba = $0101
  ProcedureReturn k\b[0] + k\b[1]
EndProcedure
Debug Local()
; expect:
; 4
; 11
; 2
; 10
; 44 33 22 11
; FF223344
; 3F800000
; 16376
; 1
; 0
; 2
; 2
; 7
; 256 1 0
; 256
; 3
; 2

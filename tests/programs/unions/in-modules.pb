; A union declared by a module: a local of its procedure, a variable of the program in With,
; the elements of a two-dimensional array, its SizeOf
DeclareModule Gfx
  Structure Col
    StructureUnion
      rgba.l
      b.a[4]
    EndStructureUnion
  EndStructure
  Declare.l Pack(r, g)
EndDeclareModule
Module Gfx
  Procedure.l Pack(r, g)
    Protected c.Col
    c\b[0] = r
    c\b[1] = g
    ProcedureReturn c\rgba
  EndProcedure
EndModule
Debug Gfx::Pack(1, 2)
x.Gfx::Col
With x
  \rgba = $0102
  Debug \b[1]
EndWith
Dim grid.Gfx::Col(2, 2)
grid(1, 2)\b[2] = 1
Debug grid(1, 2)\rgba
Debug SizeOf(Gfx::Col)
; expect:
; 513
; 1
; 65536
; 4

; Particles: a colour union, a table of behaviours through a prototype, With blocks, a module
; for the random numbers with 64-bit arithmetic, and Gosub for the report
DeclareModule Rnd
  Declare Seed(s)
  Declare.i Pick(n)
EndDeclareModule
Module Rnd
  Global state.q
  Procedure Seed(s)
    state = s
  EndProcedure
  Procedure.i Pick(n)
    state = (state * 1103515245 + 12345) % 2147483648
    ProcedureReturn state % n
  EndProcedure
EndModule

Structure Colour
  StructureUnion
    rgba.l
    c.a[4]
  EndStructureUnion
EndStructure

Structure Particle
  x.i
  y.i
  dx.i
  kind.i
  col.Colour
EndStructure

Prototype.i Move(*p.Particle)

Procedure.i Drift(*p.Particle)
  *p\x = *p\x + *p\dx
  *p\col\c[0] = *p\col\c[0] + 16
  ProcedureReturn 1
EndProcedure

Procedure.i Fall(*p.Particle)
  *p\y = *p\y + 7
  If *p\y > 20
    ProcedureReturn 0
  EndIf
  ProcedureReturn 1
EndProcedure

Dim moves.Move(1)
moves(0) = @Drift()
moves(1) = @Fall()

NewList parts.Particle()
Rnd::Seed(42)
For i = 1 To 5
  *p.Particle = AddElement(parts())
  With *p
    \x = Rnd::Pick(100)
    \y = Rnd::Pick(10)
    \dx = Rnd::Pick(5) - 2
    \kind = i % 2
    \col\rgba = $FF000000 + i * $010203
  EndWith
Next

alive = 0
For frame = 1 To 3
  ForEach parts()
    *p = @parts()
    If moves(parts()\kind)(*p) = 0
      DeleteElement(parts())
    EndIf
  Next
  Gosub Report
Next
End

Report:
  total = 0
  ForEach parts()
    With parts()
      total + \x + \y * 1000 + \col\c[0]
    EndWith
  Next
  Debug "frame " + Str(frame) + ": " + Str(ListSize(parts())) + " left, " + Str(total)
  Return
; expect:
; frame 1: 5 left, 47198
; frame 2: 5 left, 68230
; frame 3: 2 left, 10172

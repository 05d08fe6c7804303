; A module's prototype types variables and fields outside it, and @Name::Proc() stores its
; procedure in them
DeclareModule Ops
  Prototype.i Fn(x)
  Declare.i Inc(x)
EndDeclareModule
Module Ops
  Procedure.i Inc(x)
    ProcedureReturn x + 1
  EndProcedure
EndModule
Define f.Ops::Fn = @Ops::Inc()
Debug f(41)
Structure Holder
  g.Ops::Fn
EndStructure
h.Holder
h\g = @Ops::Inc()
Debug h\g(1)
; expect:
; 42
; 2

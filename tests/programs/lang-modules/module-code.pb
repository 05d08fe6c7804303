; A module's own code uses the dialect's commands, blocks, containers, prototypes and data
; as the main program does: only the names it makes are its own
DeclareModule T
  Declare Run()
EndDeclareModule
Module T
  Structure Pair
    a.i
    b.i
  EndStructure
  Prototype.i Op(x)
  Procedure.i Twice(x)
    ProcedureReturn x * 2
  EndProcedure
  Procedure Run()
    Protected p.Pair, f.Op = @Twice()
    NewList l.s()
    AddElement(l()) : l() = "a"
    Dim arr.i(3)
    arr(2) = f(21)
    Debug Str(SizeOf(Pair)) + " " + Str(OffsetOf(Pair\b)) + " " + Str(Bool(1 > 0)) + " " + Str(ListSize(l())) + " " + Str(CountList(l())) + " " + Str(arr(2)) + " " + Left("hello", 2) + " " + Str(Len("abc")) + " " + StrF(1.5, 1) + " " + Chr(65) + " " + Str(Asc("B"))
    With p
      \a = 5
    EndWith
    Debug p\a
    Select p\a
      Case 5
        Debug "five"
    EndSelect
    For i = 1 To 2 : Debug i : Next
    ForEach l() : Debug l() : Next
    Restore vals
    Read.i v : Debug v
  EndProcedure
  DataSection
    vals:
    Data.i 77
  EndDataSection
EndModule
T::Run()
; expect:
; 16 8 1 1 1 42 he 3 1.5 A 66
; 5
; five
; 1
; 2
; a
; 77

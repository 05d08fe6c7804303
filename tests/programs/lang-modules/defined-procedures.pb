; Defined(Name, #PB_Procedure) and #PB_Structure know a module's items: "Module::Name" where
; its DeclareModule lists it, a bare name inside the module and after UseModule; a procedure
; defined above the question counts as much as one defined below it
Procedure Early()
EndProcedure
DeclareModule Dice
  Structure Face
    pips.b
  EndStructure
  Declare Roll()
EndDeclareModule
Module Dice
  Procedure Roll()
    ProcedureReturn 4
  EndProcedure
  Procedure Hidden()
  EndProcedure
  CompilerIf Defined(Roll, #PB_Procedure) And Defined(Hidden, #PB_Procedure)
    Debug "inside, Roll and Hidden"
  CompilerEndIf
  CompilerIf Defined(Early, #PB_Procedure)
    Debug "inside, Early"
  CompilerEndIf
  CompilerIf Defined(Face, #PB_Structure)
    Debug "inside, Face"
  CompilerEndIf
EndModule
CompilerIf Defined(Early, #PB_Procedure)
  Debug "Early"
CompilerEndIf
CompilerIf Defined(Dice::Roll, #PB_Procedure)
  Debug "Roll of Dice"
CompilerEndIf
CompilerIf Defined(Dice::Hidden, #PB_Procedure) Or Defined(Dice::Other, #PB_Procedure)
  Debug "Hidden or Other of Dice"
CompilerEndIf
CompilerIf Defined(Dice::Face, #PB_Structure)
  Debug "Face of Dice"
CompilerEndIf
CompilerIf Defined(Roll, #PB_Procedure) Or Defined(Face, #PB_Structure)
  Debug "Roll or Face before UseModule"
CompilerEndIf
UseModule Dice
CompilerIf Defined(Roll, #PB_Procedure) And Not Defined(Hidden, #PB_Procedure)
  Debug "in use, Roll and not Hidden"
CompilerEndIf
CompilerIf Defined(Late, #PB_Procedure)
  Debug "Late"
CompilerEndIf
Procedure Late()
EndProcedure
Debug Roll()
; expect:
; inside, Roll and Hidden
; inside, Face
; Early
; Roll of Dice
; Face of Dice
; in use, Roll and not Hidden
; Late
; 4

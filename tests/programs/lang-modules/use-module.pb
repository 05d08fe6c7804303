; UseModule makes what a module declares reachable without its name, until UnuseModule;
; names of the main program that a module also uses stay apart from the module's
DeclareModule Counter
  Global total
  Declare Add(n)
  Declare.s Describe()
EndDeclareModule
Module Counter
  steps = 0
  Procedure Add(n)
    total + n
  EndProcedure
  Procedure.s Describe()
    ProcedureReturn "total " + Str(total)
  EndProcedure
EndModule
Procedure.s Describe()
  ProcedureReturn "main describe"
EndProcedure
steps = 7 : total = 100
UseModule Counter
Add(5) : Add(6)
Debug Describe()
Debug total
UnuseModule Counter
Debug Describe()
Debug total
Debug steps
Counter::Add(1) : Debug Counter::Describe()
; A label and a string with "::" in them are still read as before
Restore numbers
Read.i n : Debug "read " + Str(n) + " a::b"
DataSection
  numbers:
  Data.i 42
EndDataSection
; expect:
; total 11
; 11
; main describe
; 100
; 7
; total 12
; read 42 a::b

; CompilerIf and CompilerSelect choose statements at conversion time: the portable branch
; is taken, constants of the program and Defined() decide, branches nest, and a branch not
; taken may hold what a page cannot do
#Trace = 1
Structure Point
  x.i
EndStructure
CompilerIf #PB_Compiler_OS = #PB_OS_Windows
  MessageBeep_(0)
  Debug "windows"
CompilerElseIf #PB_Compiler_OS = #PB_OS_Linux
  Debug "linux"
CompilerElse
  Debug "other"
CompilerEndIf
CompilerSelect #PB_Compiler_OS
  CompilerCase #PB_OS_Windows, #PB_OS_MacOS
    Debug "not here"
  CompilerCase #PB_OS_Linux
    Debug "case linux"
    CompilerIf #Trace And Not Defined(NoSuch, #PB_Constant)
      Debug "trace on"
    CompilerElse
      Debug "trace off"
    CompilerEndIf
  CompilerDefault
    Debug "default"
CompilerEndSelect
CompilerIf Defined(Point, #PB_Structure) And Defined(Helper, #PB_Procedure)
  Debug Helper()
CompilerEndIf
CompilerIf #PB_Compiler_Version >= 520 And (#PB_Compiler_Unicode Or #Trace = 0)
  Debug "recent"
CompilerEndIf
CompilerIf Defined(Trace, #PB_Constant) = 0
  Debug "never"
CompilerEndIf
Procedure.s Helper()
  ProcedureReturn "helper"
EndProcedure
; expect:
; linux
; case linux
; trace on
; helper
; recent

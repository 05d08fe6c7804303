Procedure.s DeepName()
  ProcedureReturn #PB_Compiler_File
EndProcedure

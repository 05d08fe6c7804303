; reads past the end of the main program's array
Procedure Touch(i)
  ProcedureReturn values(i)\x
EndProcedure

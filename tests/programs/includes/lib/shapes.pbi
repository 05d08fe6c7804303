; Shapes, included once however often it is named
#Sides = 4
XIncludeFile "deeper/deep.pbi"
Procedure Area(w, h)
  ProcedureReturn w * h
EndProcedure

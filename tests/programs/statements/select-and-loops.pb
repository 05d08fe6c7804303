; A Select inside a For inside a procedure, and a list walked with ForEach
NewList names.s()
Procedure Describe(n)
  Select n
    Case 1
      ProcedureReturn 10
    Default
      ProcedureReturn 20
  EndSelect
EndProcedure
For i = 1 To 2
  Debug Describe(i)
Next
AddElement(names()) : names() = "ann"
AddElement(names()) : names() = "bob"
ForEach names()
  Debug names()
Next
; expect:
; 10
; 20
; ann
; bob

; Jumps that cannot be made are reported with their lines: into a loop, out of a procedure,
; to no label, and a label where no part of the program can start
Procedure P()
  Goto outside
EndProcedure
Goto inside
Repeat
  inside:
  Debug "loop"
ForEver
outside:
Gosub nowhere
NewList l()
AddElement(l())
ForEach l()
  stuck:
Next
Procedure Q()
  If 1
    deep:
  EndIf
EndProcedure
twice:
twice:
; expect-log:
; line 4: not supported: Goto outside out of a procedure
; line 6: not supported: Goto inside into a loop
; line 12: label not found: nowhere
; line 16: not supported: a label inside this loop
; line 20: not supported: a label inside a block of a procedure
; line 24: label declared twice: twice

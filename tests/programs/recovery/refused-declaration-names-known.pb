; A declaration the translator refuses still declares its names: their uses further down
; are not each reported as a procedure that does not exist. A map with a slot count is
; declared as any map
Dim grid(1, 1, 1, 1)
Global NewList names.s(), NewMap ages(1)
Procedure NeverCalled()
  grid(0, 0, 0, 0) = 1
  ages("bob") = 3
  Debug grid(1, 1, 1, 1) + ages("bob")
EndProcedure
If 1
  Debug "in"
EndIf
AddElement(names())
names() = "a"
Debug ListSize(names())
Debug "end"
; expect:
; in
; 1
; end
; expect-log:
; line 4: not supported: Dim grid(1,1,1,1)

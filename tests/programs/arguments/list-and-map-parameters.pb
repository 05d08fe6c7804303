; List, Map and structured Array parameters: what the procedure does, the caller sees
Structure Point
  x.i
  y.i
EndStructure
Procedure Fill(List names.s(), Map ages.i(), n)
  AddElement(names()) : names() = "added" + Str(n)
  ages("zoe") = n
  ages("ann") + 1
  Debug Str(ListSize(names())) + " " + Str(MapSize(ages()))
EndProcedure
Procedure.s Walk(Map ages.i())
  Protected all$
  ForEach ages()
    all$ + MapKey(ages()) + "=" + Str(ages()) + ","
  Next
  ProcedureReturn all$
EndProcedure
Procedure Move(Array p.Point(1), List q.Point(), dx)
  p(1)\x + dx
  ForEach q()
    q()\y = q()\y * 2
  Next
  AddElement(q()) : q()\y = dx
EndProcedure
NewList names.s()
NewMap ages.i()
ages("ann") = 30
Fill(names(), ages(), 9)
Fill(names(), ages(), 4)
Debug ListSize(names())
Debug Walk(ages())
Dim pts.Point(2)
pts(1)\x = 5
NewList q.Point()
AddElement(q()) : q()\y = 3
Move(pts(), q(), 10)
Debug pts(1)\x
ForEach q()
  Debug q()\y
Next
; expect:
; 1 2
; 2 2
; 2
; ann=32,zoe=4,
; 15
; 6
; 10

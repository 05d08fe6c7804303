; One declaration line may declare several lists, maps and arrays, and a variable among them
Global NewList names.s(), NewMap ages.i()
Dim grid(2, 2), row.s(3)
Global Dim totals(4), count
AddElement(names())
names() = "Ann"
ages("Ann") = 41
grid(2, 2) = 9
row(3) = "end"
totals(4) = 5
count = 2
Procedure Show()
  ForEach names()
    Debug names() + " " + Str(ages(names())) + " " + Str(totals(4) * count)
  Next
EndProcedure
Show()
Debug Str(grid(2, 2)) + row(3)
; expect:
; Ann 41 10
; 9end

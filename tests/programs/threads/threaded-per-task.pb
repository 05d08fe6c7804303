; Each task has Threaded variables, arrays, lists, maps and structures of its own: new and
; empty when it starts (an array of the bounds it has then), kept across its waits while
; other tasks count in theirs; the main program keeps its own
Structure Pair
  a.i
  b$
EndStructure
Threaded count, name$, pair.Pair
Threaded Dim hits(3)
Threaded NewList seen()
Threaded NewMap tally()
Global Dim report$(2)
Procedure Work(n)
  report$(n) = Str(count) + "," + Str(ListSize(seen())) + "," + Str(MapSize(tally())) + "," + Str(ArraySize(hits())) + "," + Str(hits(1)) + "," + Str(pair\a) + "," + name$ + " /"
  name$ = "w" + Str(n)
  For i = 1 To 200000
    count + n
    hits(n) + 1
  Next
  AddElement(seen()) : seen() = n
  tally("n") + n
  pair\a + n
  Delay(20)
  report$(n) = report$(n) + " " + name$ + " " + Str(count) + " " + Str(hits(1)) + " " + Str(hits(2)) + " " + Str(ListSize(seen())) + " " + Str(tally("n")) + " " + Str(pair\a)
EndProcedure
count = 7 : name$ = "main" : pair\a = 3
hits(1) = 5
AddElement(seen()) : AddElement(seen())
tally("main") = 1
a = CreateThread(@Work(), 1)
b = CreateThread(@Work(), 2)
WaitThread(a) : WaitThread(b)
Debug report$(1)
Debug report$(2)
Debug name$ + " " + Str(count) + " " + Str(hits(1)) + " " + Str(ListSize(seen())) + " " + Str(MapSize(tally())) + " " + Str(pair\a)
; expect:
; 0,0,0,3,0,0, / w1 200000 200000 0 1 1 1
; 0,0,0,3,0,0, / w2 400000 0 200000 1 2 2
; main 7 5 2 1 3

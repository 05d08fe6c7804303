; Goto leaves Repeat and While loops of the main program from inside an If and a Select, and
; a backward Goto makes a loop of its own
Repeat
  n + 1
  k = 0
  While k < 10
    k + 1
    Select k
      Case 3
        If n = 2
          Goto out
        EndIf
    EndSelect
  Wend
  Debug "pass " + Str(n) + " " + Str(k)
ForEver
out:
Debug "out at " + Str(n) + " " + Str(k)
count = 0
again:
count + 1
If count < 4 : Goto again : EndIf
Debug "counted " + Str(count)
Goto last
Debug "skipped"
last:
Debug "last"
; expect:
; pass 1 10
; out at 2 3
; counted 4
; last

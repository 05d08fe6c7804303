; RandomSeed starts the runtime's own generator: the same seed gives the same numbers again,
; in every browser (the first values are pinned, so a change of generator shows), another
; seed gives others, and RandomFloat stays below its bound
Procedure.s Draw(count)
  Protected i, line$
  For i = 1 To count
    line$ + Str(Random(1000)) + " "
  Next
  ProcedureReturn Trim(line$)
EndProcedure
RandomSeed(7)
first$ = Draw(8)
Debug first$
RandomSeed(7)
Debug Bool(Draw(8) = first$)
RandomSeed(8)
Debug Bool(Draw(8) = first$)
RandomSeed(7)
Debug Draw(3)
low = 1000
For i = 1 To 500
  f.d = RandomFloat(2)
  If f < 0 Or f >= 2 : Debug "out of range" : EndIf
  r = Random(6, 1)
  If r < low : low = r : EndIf
Next
Debug low
; expect:
; 11 62 977 699 521 405 466 240
; 1
; 0
; 11 62 977
; 1

; Random(3) gives whole numbers from 0 to 3, each about equally often (a Random that favoured
; the middle gave the ends half as many), and RandomFloat(2) stays from 0 to below 2
Dim seen(3)
For i = 1 To 4000
  r.d = Random(3)
  If r >= 0 And r <= 3 And r = Int(r)
    seen(Int(r)) + 1
  Else
    odd + 1
  EndIf
  f.d = RandomFloat(2)
  If f >= 0 And f < 2
    floats + 1
  EndIf
Next
For v = 0 To 3
  If seen(v) > 850 And seen(v) < 1150
    Debug "about a quarter"
  Else
    Debug Str(v) + " came " + Str(seen(v)) + " times"
  EndIf
Next
Debug Str(odd) + " " + Str(floats)
; expect:
; about a quarter
; about a quarter
; about a quarter
; about a quarter
; 0 4000

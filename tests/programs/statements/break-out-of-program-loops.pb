; Break with a level leaves loops of the main program (cut into timer steps) as it leaves loops
; of the script: from straight code in the inner loop, and from a For inside them.
Repeat
  n + 1
  Repeat
    m + 1
    If m = 3
      Break 2
    EndIf
  ForEver
Until n > 10
Debug Str(n) + " " + Str(m)
Repeat
  Repeat
    For k = 1 To 5
      If k = 2
        Break 3
      EndIf
    Next
    Debug "not here"
  ForEver
ForEver
Debug "k " + Str(k)
; expect:
; 1 3
; k 2

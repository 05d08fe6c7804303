; A For step known only as the loop runs (a variable) or through a constant counts the way
; its sign says
s = -2
For i = 10 To 1 Step s
  t$ + Str(i) + " "
Next
u = 3
For k = 1 To 10 Step u
  t$ + Str(k) + ","
Next
#Down = -3
For m = 9 To 0 Step #Down
  t$ + Str(m)
Next
Debug t$
; expect:
; 10 8 6 4 2 1,4,7,10,9630

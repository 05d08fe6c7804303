; A Gosub inside a Repeat, a For and a Select of the main program comes back to the middle of
; the loop; a label ends a ForEver body and a nested loop ends another
Repeat
  i + 1
  Gosub show
  Debug "after " + Str(i)
Until i = 2
For k = 1 To 2
  Select k
    Case 1
      Gosub show
      Debug "case one"
    Case 2
      Debug "case two"
  EndSelect
Next
Repeat
  m + 1
  If m > 2 : Break : EndIf
  Debug "round " + Str(m)
  tail:
ForEver
Repeat
  r + 1
  Debug "outer " + Str(r)
  If r = 2 : Break : EndIf
  q = 0
  Repeat
    q + 1
  Until q = 2
ForEver
Debug "done"
End
show:
Debug "show " + Str(i) + " " + Str(k)
Return
; expect:
; show 1 0
; after 1
; show 2 0
; after 2
; show 2 1
; case one
; case two
; round 1
; round 2
; outer 1
; outer 2
; done

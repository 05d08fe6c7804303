; A field with no With around it, and a With never closed, are reported
\x = 1
Structure P
  x.i
EndStructure
Define p.P
With p
  \x = 2
Debug p\x
; expect-log:
; line 2: syntax error near \x
; line 7: With without EndWith
; expect:
; 2

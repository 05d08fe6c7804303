; A fault in an event loop stops it: Debug shows once, not once a frame
Dim a.i(2)
Structure Item
  n.i
EndStructure
Dim items.Item(2)
Repeat
  count + 1
  Debug count
  If count = 3
    x = items(count + 5)\n
  EndIf
ForEver
; expect:
; 1
; 2
; 3
; expect-error:
; line 11: array index out of bounds
; run-ms: 400

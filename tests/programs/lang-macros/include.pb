; Macros of an include file are known after it; a message inside a body names the line of
; the use, not the line of the body in the include file
IncludeFile "lib/area.pbi"
Debug Area(2, 3 + 1)
Report(1)
; expect:
; 8
; expect-log:
; line 5: function Not found: Missing()

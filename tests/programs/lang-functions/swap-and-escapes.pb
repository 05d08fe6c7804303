; Swap of variables, array elements, structure fields and strings; escaped strings
Structure Pair
  a.i
  b.i
EndStructure
Dim v(2)
v(0) = 1 : v(2) = 3
Swap v(0), v(2)
Debug Str(v(0)) + Str(v(2))
p.Pair\a = 5 : p\b = 6
Swap p\a, p\b
Debug Str(p\a) + Str(p\b)
x$ = "left" : y$ = "right"
Swap x$, y$
Debug x$ + " " + y$
Debug ~"tab\there, quote \"q\", backslash \\"
Debug Len(~"a\nb")
; expect:
; 31
; 65
; right left
; tab	here, quote "q", backslash \
; 3

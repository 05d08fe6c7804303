; An argument that the page's command has no place for is reported with its line, not
; dropped; the call still runs with the arguments it takes
Debug Mid("Hello", 2, 3, 4)
Debug LCase("AB", 1)
Debug Str(FindString("abc", "B", 1, #PB_String_NoCase))
; expect-log:
; line 3: not supported: Mid with 4 arguments
; line 4: not supported: LCase with 2 arguments
; expect:
; ell
; ab
; 2

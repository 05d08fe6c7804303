; Integers of the narrow types wrap as they do natively
b.b = 127
b + 1
Debug b
a.a = 250
a + 10
Debug a
w.w = 32767
w + 1
Debug w
u.u = 0
u - 1
Debug u
l.l = 2147483647
l + 1
Debug l
c.c = 65
c = c * 1000
Debug c
; expect:
; -128
; 4
; -32768
; 65535
; -2147483648
; 65000

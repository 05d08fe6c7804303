; The in-place | keeps all the bits of a wide integer and wraps a narrow one
f.q = 1 << 33
f | 1
Debug f
g.b = 120
g | 15
Debug g
h = 2
h | 1.6
Debug h
; expect:
; 8589934593
; 127
; 2

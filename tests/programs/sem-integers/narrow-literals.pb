; A literal stored into a narrow place wraps as any other value does
r.u = -5
Debug r
s.a = -1
Debug s
t.b = 200
Debug t
w.w = 40000
Debug w
k.u = 65535
Debug k
; expect:
; 65531
; 255
; -56
; -25536
; 65535

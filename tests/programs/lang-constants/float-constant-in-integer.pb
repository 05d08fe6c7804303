; A float constant stored into an integer place is rounded, as any float value is
p = #PI * 2
Debug p
q.f = #PI
Debug StrF(q, 2)
; expect:
; 6
; 3.14

; integer and float arithmetic as games use it
x.f = 10
dx.f = 2.5
For i = 1 To 3
  x + dx
Next
Debug StrF(x, 1)
a = 17
b = 5
Debug Str(a / b) + " " + Str(a % b) + " " + Str(-a / b) + " " + Str(-a % b)
c.f = a / b
Debug StrF(c, 2)
d = 7.6
Debug Str(d)
e = -7.6
Debug Str(e)
s = 3
s * 2 + 1
Debug Str(s)
t = 100
t / 3
Debug Str(t)
Debug Str(Int(-3.7)) + " " + Str(Round(2.5, #PB_Round_Nearest)) + " " + Str(Int(Abs(-4)))
Debug StrF(Pow(2, 10), 0) + " " + StrF(Sqr(2), 3)
; expect:
; 17.5
; 3 2 -3 -2
; 3.40
; 8
; -8
; 7
; 33
; -3 3 4
; 1024 1.414

; An in-place statement stores its whole expression, grouped as any expression is:
; "s * 2 + 1" is s = s * 2 + 1, not s * (2 + 1); "n - 1 - 1" takes 2 away
s = 3
s * 2 + 1
n = 10
n - 1 - 1
t = 100
t / 2 + 1
x = 5
x % 3 + 1
f.f = 1.5
f * 2 - 1
Dim a(3)
a(1) = 4
a(1) * 3 - 2
Structure P
  x.i
EndStructure
p.P
p\x = 6
p\x / 2 * 3
u.b = 100
u * 2 - 100
k = 2
k << 2 + 1
Debug Str(s) + " " + Str(n) + " " + Str(t) + " " + Str(x) + " " + StrF(f, 1)
Debug Str(a(1)) + " " + Str(p\x) + " " + Str(u) + " " + Str(k)
; expect:
; 7 8 51 3 2.0
; 10 9 100 9

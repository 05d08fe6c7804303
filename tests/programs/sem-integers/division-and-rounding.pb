; Integer arithmetic: "/" truncates toward zero between integers, a float stored into an
; integer place rounds to the nearest integer, ties to even
x.i = 1024
steps = 0
While x > 0
  x / 2
  steps + 1
Wend
Debug steps
lo = 3 : hi = 8
mid = (lo + hi) / 2
Debug mid
Debug 7 / 2
Debug -7 / 2
Debug 7 / 2.0
r.i = 2.7
Debug r
r = -2.7
Debug r
r = 2.5
Debug r
r = 3.5
Debug r
r = -2.5
Debug r
f.f = 7 / 2
Debug f
n = 10
n / 4
Debug n
n * 1.5
Debug n
Debug Int(-2.7)
Debug Str(17 / 5) + "|" + Str(17 / 5 * 5)
; expect:
; 11
; 5
; 3
; -3
; 3.5
; 3
; -3
; 2
; 4
; -2
; 3.5
; 2
; 3
; -2
; 3|15

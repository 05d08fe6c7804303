x = 1 + 2 * 3 - 4
y = (a + b) * 2 / c
z = a << 2 | b & 5
f = Not a = b And c <> 2 Or d XOr e
g = -x * -3 + ~m
s$ = "a;b" + ~"tab\there" + Str(n)
c = 'A' + $FF + %1010 + 1.5e3 + #MaxValue
p = grid(x, y + 1)\cells[3]\name$
q = l()\items()\count.i
r = @Handler() + @buffer
t = *p\next\value
u = Bool(a = 1) + Len("x")
w = a - -1
v = @grid(2, 3) + @*p

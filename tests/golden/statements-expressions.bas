; Debug, Str and Val, a + 1 as a statement
x = 41
Debug "x=" + Str(x)
Debug (x)
Debug x + 1
Debug
n = Len(Str(123))
v = Val("41") + 1
x + 1
x - 2
x * 3
x / 4
dx = -dx
y = x - -1
y = -1
y = x-1
y = -(x)
y = Abs(-x)
r = Round(2.5) + Int(3.7) + RoundDown(3.7)
e = waitwindowevent()
drawtext(10, 10, "hi")
bar = $FF + $10

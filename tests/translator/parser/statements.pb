n % 60
total + price * 2
counter << 1
Swap a(i), a(Random(i))
OpenWindow(0, 10, 10, 200, 100, "Title", #PB_Window_SystemMenu | #PB_Window_ScreenCentered)
Debug "hello", 2
Debug (a + b) * 2
p.Point
Start:
Goto Start
End
a$ - b - c * 2
Gosub Start
Return
FakeReturn
Prototype.i Op(a, b)
table(i)(1, 2)
s\draw(x)
Debug f(1) + table(2)(3)

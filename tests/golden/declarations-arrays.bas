; arrays of one to three dimensions
Dim a(10)
Dim m.f(3, 4)
Global Dim g.s(5)
Dim cube.i(2, 3, 4)
s$ = "hello"
Dim letters(Len(s$))
Dim names$(10)
Dim sizes(Len(s$), 2)
a(1) = 5
m(1, 2) = a(1) * 1.5
cube(1, 2, 3) = m(1, 2)
names$(0) = "x"
Debug ArraySize(a())
Debug ArraySize(m(), 2)
i = 3
a(i + 1) = a(Len(s$)) + cube(0, a(i), 1)

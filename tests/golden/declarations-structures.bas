; structures with plain, typed, pointer, structure-typed and list fields
Structure Point
	x.i
	y.i
EndStructure

Structure Shape
	name.s
	size.f
	count
	label$
	*next.Shape
	origin.Point
	List corners.Point()
	List tags.s()
	List weights.f()
	List ids()
EndStructure

NewList shapes.Shape()
NewList early.Later()
Structure Later
	v.i
EndStructure
Define p.Point
p\x = 3
p\y = p\x * 2
AddElement(shapes())
shapes()\name = "square"
shapes()\origin\x = p\x
AddElement(shapes()\corners())
shapes()\corners()\x = 10
Define s.Shape
AddElement(s\tags())
s\tags() = "red"
Debug s\tags()
Debug ListSize(s\tags())
ForEach shapes()
	Debug shapes()\name + " " + Str(shapes()\size)
Next
Dim grid.Point(3, 3)
grid(1, 2)\x = 4

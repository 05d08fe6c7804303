; Two kinds of shape behind one interface: each object's first field points at a table of
; procedures, the squares' in a data section, the circles' filled at run time; a method gets
; the object first, and an extended interface has its base's methods first
Interface IShape
  Area.d()
  Name.s()
EndInterface

Interface ISized Extends IShape
  Grow(by.d)
EndInterface

Structure Square
  *methods
  side.d
EndStructure

Structure Circle
  *methods
  r.d
EndStructure

Procedure.d SquareArea(*this.Square)
  ProcedureReturn *this\side * *this\side
EndProcedure

Procedure.s SquareName(*this.Square)
  ProcedureReturn "square"
EndProcedure

Procedure SquareGrow(*this.Square, by.d)
  *this\side = *this\side + by
EndProcedure

Procedure.d CircleArea(*this.Circle)
  ProcedureReturn 3 * *this\r * *this\r
EndProcedure

Procedure.s CircleName(*this.Circle)
  ProcedureReturn "circle of " + StrD(*this\r)
EndProcedure

Procedure CircleGrow(*this.Circle, by.d)
  *this\r = *this\r * by
EndProcedure

DataSection
  SquareMethods:
  Data.i @SquareArea(), @SquareName(), @SquareGrow()
EndDataSection

Procedure NewSquare(side.d)
  *s.Square = AllocateMemory(SizeOf(Square))
  *s\methods = ?SquareMethods
  *s\side = side
  ProcedureReturn *s
EndProcedure

Global *circleMethods = AllocateMemory(3 * SizeOf(Integer))
PokeI(*circleMethods, @CircleArea())
PokeI(*circleMethods + SizeOf(Integer), @CircleName())
PokeI(*circleMethods + 2 * SizeOf(Integer), @CircleGrow())

Procedure NewCircle(r.d)
  *c.Circle = AllocateMemory(SizeOf(Circle))
  *c\methods = *circleMethods
  *c\r = r
  ProcedureReturn *c
EndProcedure

Procedure Show(shape.IShape)
  Debug shape\Name() + " = " + StrD(shape\Area())
EndProcedure

square.ISized = NewSquare(2)
circle.ISized = NewCircle(1)
Show(square)
Show(circle)
square\Grow(1)
circle\Grow(2)
Show(square)
Show(circle)
plain.IShape = circle
Debug StrD(plain\Area() + square\Area())
Dim shapes.IShape(1)
shapes(0) = circle
shapes(1) = square
For i = 0 To 1
  names$ + shapes(i)\Name() + ";"
Next
Debug names$
; expect:
; square = 4
; circle of 1 = 3
; square = 9
; circle of 2 = 12
; 21
; circle of 2;square;

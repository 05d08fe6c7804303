; Structures of a module: used as Name::Type outside it, in lists and arrays, extended
; inside the module, and apart from a main program structure of the same name
Structure Point
  label.s
EndStructure
DeclareModule Geo
  Structure Point
    x.i
    y.i
  EndStructure
  Structure Point3 Extends Point
    z.i
  EndStructure
  Declare.i Length(*p.Point)
EndDeclareModule
Module Geo
  Procedure.i Length(*p.Point)
    ProcedureReturn Abs(*p\x) + Abs(*p\y)
  EndProcedure
EndModule
Define a.Geo::Point3
a\x = 3 : a\y = -4 : a\z = 9
Define mine.Point
mine\label = "main point"
NewList path.Geo::Point()
AddElement(path()) : path()\x = 1 : path()\y = 2
AddElement(path()) : path()\x = 5 : path()\y = 6
ForEach path()
  Debug Str(path()\x) + "," + Str(path()\y)
Next
Dim corners.Geo::Point(1)
corners(1)\y = 11
*q.Geo::Point = AllocateStructure(Geo::Point)
*q\x = -2 : *q\y = 7
Debug "length " + Str(Geo::Length(*q)) + " size " + Str(SizeOf(Geo::Point3))
Debug Str(a\x + a\y + a\z) + " " + mine\label + " " + Str(corners(1)\y)
; expect:
; 1,2
; 5,6
; length 9 size 24
; 8 main point 11

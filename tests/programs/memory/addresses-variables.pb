; A number or a structure whose address is taken lives in the heap: writes through the
; pointer show in the name and writes through the name in the pointer, at every width
count.l = 5
*l.Long = @count
*l\l + 10
Debug count
count * 2
Debug *l\l
Debug PeekL(@count)
b.b = 127
PokeB(@b, PeekB(@b) + 1)
Debug b
w.u = 65535
Debug PeekU(@w)
d.d = 1.5
PokeD(@d, d * 3)
Debug d
f.f = 0.1
Debug Bool(PeekF(@f) = f)
q.q = 9007199254740993
Debug PeekQ(@q)
Debug q + 1
i = 7
Select i
  Case 7
    Debug "seven"
EndSelect
; a structure in the heap, its fields reached through the name and through a pointer
Structure Point
  x.l
  y.w
  tag.a[2]
EndStructure
Define p.Point
p\x = 3
p\y = -4
p\tag[1] = 200
*pt.Point = @p
Debug Str(*pt\x) + " " + Str(*pt\y) + " " + Str(*pt\tag[1])
*pt\x = *pt\x * 100
Debug p\x
Debug Bool(@p\y = @p + 4 And @p\tag[1] = @p + 7)
PokeW(@p\y, 1000)
Debug p\y
Debug PeekA(@p\tag[1])
*px.Long = @p\x
*px\l = -1
Debug p\x
; a local in a procedure, each call with its own, and a parameter
Procedure Twice(*v.Long)
  *v\l * 2
EndProcedure
Procedure Local(start)
  Protected n = start
  Twice(@n)
  Twice(@start)
  ProcedureReturn n + start
EndProcedure
Debug Local(1)
Debug Local(10)
total = 21
Twice(@total)
Debug total
Procedure Counter()
  Static calls.l = 100
  Twice(@calls)
  ProcedureReturn calls
EndProcedure
Counter()
Debug Counter()
; each call of a recursive procedure has its own block, given back when the call ends
Procedure.l Fact(k)
  Protected r.l = 1
  Protected *r.Long = @r
  If k > 1
    *r\l = k * Fact(k - 1)
  EndIf
  ProcedureReturn r
EndProcedure
Debug Fact(6)
sum = 0
For j = 1 To 2000
  sum + Fact(3)
Next
Debug sum
; the address of a field alone takes its structure into the heap
Define solo.Point
*sy.Word = @solo\y
*sy\w = 12
Debug solo\y + solo\x
; the structure commands on structures in the heap, through a pointer or an address
*copy.Point = AllocateStructure(Point)
p\x = 41
CopyStructure(@p, *copy, Point)
Debug Str(*copy\x) + " " + Str(*copy\y)
ClearStructure(*copy, Point)
ClearStructure(@solo, Point)
Debug Str(*copy\x) + " " + Str(solo\y) + " " + Str(p\x)
; expect:
; 15
; 30
; 30
; -128
; 65535
; 4.5
; 1
; 9007199254740993
; 9007199254740994
; seven
; 3 -4 200
; 300
; 1
; 1000
; 200
; -1
; 4
; 40
; 42
; 400
; 720
; 12000
; 12
; 41 1000
; 0 0 41

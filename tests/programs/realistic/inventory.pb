; an inventory: a map of structures, sorting, and procedures taking lists and arrays
Structure Item
  name$
  qty.i
  price.f
EndStructure
NewMap stock.Item()
Procedure AddItem(Map m.Item(), name$, qty, price.f)
  m(name$)\name$ = name$
  m(name$)\qty + qty
  m(name$)\price = price
EndProcedure
AddItem(stock(), "apple", 5, 0.5)
AddItem(stock(), "pear", 2, 0.75)
AddItem(stock(), "apple", 3, 0.5)
Debug Str(stock("apple")\qty) + " " + Str(MapSize(stock()))
If FindMapElement(stock(), "pear")
  Debug "pear " + StrF(stock()\price * stock()\qty, 2)
EndIf
DeleteMapElement(stock(), "pear")
Debug Str(MapSize(stock()))
value.f = 0
ForEach stock()
  value + stock()\qty * stock()\price
Next
Debug StrF(value, 2)
Dim scores(4)
scores(0) = 30 : scores(1) = 10 : scores(2) = 50 : scores(3) = 20 : scores(4) = 40
SortArray(scores(), #PB_Sort_Descending)
out$ = ""
For i = 0 To 4 : out$ + Str(scores(i)) + " " : Next
Debug Trim(out$)
Procedure Total(Array a(1))
  Protected t, i
  For i = 0 To ArraySize(a())
    t + a(i)
  Next
  ProcedureReturn t
EndProcedure
Debug Str(Total(scores()))
NewList names.s()
AddElement(names()) : names() = "carol"
AddElement(names()) : names() = "alice"
AddElement(names()) : names() = "bob"
SortList(names(), #PB_Sort_Ascending)
Procedure.s Joined(List l.s())
  Protected r$
  ForEach l()
    If r$ <> "" : r$ + "," : EndIf
    r$ + l()
  Next
  ProcedureReturn r$
EndProcedure
Debug Joined(names())
ReDim scores(6)
scores(6) = 7
Debug Str(ArraySize(scores())) + " " + Str(scores(0)) + " " + Str(scores(6))
; expect:
; 8 2
; pear 1.50
; 1
; 4.00
; 50 40 30 20 10
; 150
; alice,bob,carol
; 6 50 7

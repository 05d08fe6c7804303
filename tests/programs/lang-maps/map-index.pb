; Keys are found directly, also after deletions move the later elements: keys named like the
; properties of an array, the empty key, number keys, a key deleted and added again
NewMap m.i()
For i = 1 To 2000
  m("k" + Str(i)) = i
Next
m("length") = -1
m("__proto__") = -2
m("") = -3
m("7") = -4
DeleteMapElement(m(), "k5")
DeleteMapElement(m(), "k1000")
ForEach m()
  If m() % 500 = 0
    DeleteMapElement(m())
  EndIf
Next
sum = 0
For i = 1 To 2000
  If FindMapElement(m(), "k" + Str(i))
    sum + m()
  EndIf
Next
Debug MapSize(m())
Debug sum
Debug Str(m("length")) + " " + Str(m("__proto__")) + " " + Str(m("")) + " " + Str(m(7))
Debug FindMapElement(m(), "k5")
m("k5") = 55
Debug Str(m("k5")) + " " + MapKey(m()) + " " + Str(MapSize(m()))
ForEach m()
  last$ = MapKey(m())
Next
Debug last$
Debug FindMapElement(m(), "k2001")
Debug MapSize(m())
ClearMap(m())
Debug Str(MapSize(m())) + " " + Str(FindMapElement(m(), "k7"))
; expect:
; 1999
; 1995995
; -1 -2 -3 -4
; 0
; 55 k5 2000
; k5
; 0
; 2000
; 0 0

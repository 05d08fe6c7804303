; A list, map or array of a structure that does not exist is reported once; the names are
; still known, so their uses report nothing more
NewList l.Nope()
Global NewList g.Point(), NewMap m.Missing()
Dim a.Gone(2)
AddElement(l())
l() = 4
m("k") = 2
a(1) = 3
Debug ListSize(l())
Debug MapSize(m())
Debug a(1)
; expect:
; 1
; 1
; 3
; expect-log:
; line 3  column 9 ERROR unknow typ "l.Nope"
; line 4  column 16 ERROR unknow typ "g.Point"
; line 4  column 33 ERROR unknow typ "m.Missing"
; line 5  column 5 ERROR unknow typ "a.Gone"

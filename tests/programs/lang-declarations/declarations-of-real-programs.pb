; The declarations real programs write: Threaded as Global, one type for a whole Define list,
; Global and Static containers, and Runtime, which changes nothing
Threaded counter.i = 5
Define.f a, b = 2.5
Define.s name, other
Global Dim scores(3)
Global NewList names.s()
Global NewMap ages()
Runtime counter
Runtime Procedure Fill()
  Static Dim cache(2)
  cache(1) + 1
  scores(2) = 7 + cache(1)
  AddElement(names()) : names() = "x"
  ages("a") = 3
  counter + 1
EndProcedure
Fill() : Fill()
a = 1 / 4
Debug StrF(a, 2) + " " + StrF(b, 1) + " " + Str(counter) + " " + Str(scores(2))
Debug Str(ListSize(names())) + " " + Str(ages("a"))
name = "n" : other = "o"
Debug name + other
; expect:
; 0.25 2.5 7 9
; 2 3
; no

; A place whose index calls something is reached once: Swap of a two-dimensional element and
; of a map element, and the short in-place forms on a string and a float element
Global calls = 0
Procedure.i At(i)
  calls + 1
  ProcedureReturn i
EndProcedure
Procedure.s Key(k$)
  calls + 1
  ProcedureReturn k$
EndProcedure
Dim g(2, 2)
g(0, 1) = 5 : g(2, 1) = 9
Swap g(0, 1), g(At(2), 1)
Debug Str(g(0, 1)) + " " + Str(g(2, 1)) + " " + Str(calls)
NewMap m.i()
m("a") = 1 : m("b") = 2
Swap m(Key("a")), m("b")
Debug Str(m("a")) + " " + Str(m("b")) + " " + Str(calls)
Dim t.s(2)
t(1) = "ab"
t(At(1)) + "c"
Dim f.f(2)
f(At(2)) + 1.5
f(At(2)) - 0.25
Debug t(1) + " " + StrF(f(2), 2) + " " + Str(calls)
; expect:
; 9 5 1
; 2 1 2
; abc 1.25 5

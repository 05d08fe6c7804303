; An integer expression is computed as floats where it goes to a float place: a variable, an
; element, a field, a float parameter of a command or a procedure, a float procedure's result
Structure Sample
  mean.d
EndStructure
Procedure.d Ratio(a, b)
  ProcedureReturn a / b
EndProcedure
Procedure.s Percent(x.d)
  ProcedureReturn StrD(x, 1) + "%"
EndProcedure
hits = 109
total = 125
Debug StrF(100 * hits / total, 2)
observed = 275
expected = 300
counted = 4400
Debug StrD(100 * (observed - expected) / counted, 5) + " %"
f.d = 7 / 2
Debug f
Dim means.d(1)
means(0) = hits / 2
Debug means(0)
s.Sample
s\mean = total / 2
Debug s\mean
Debug Ratio(1, 4)
Debug Percent(1 / 6)
Debug Sqr(9 / 4)
Debug Round(7 / 2, #PB_Round_Up)
Debug Int(10 / 4 * 4)
Debug Pow(3 / 2, 2)
; An integer place keeps integer division
Debug 7 / 2
n = 9 / 2 * 2
Debug n
; expect:
; 87.20
; -0.56818 %
; 3.5
; 54.5
; 62.5
; 0.25
; 0.2%
; 1.5
; 4
; 10
; 2.25
; 3
; 8

; A .f place holds single precision: every store rounds to it, a .d place keeps double
Structure Body
  mass.f
EndStructure
Procedure.f Third(x.f)
  ProcedureReturn x / 3
EndProcedure
Define.f x = 5.2
Debug "" + x
Debug x
d.d = 5.2
Debug d
x + 0.1
Debug x
Dim w.f(1)
w(1) = 0.1
Debug w(1)
b.Body
b\mass = 1.1
Debug b\mass
Debug Third(1)
Debug StrF(x, 3)
; A single-precision value widened to double keeps the rounded value
d = x
Debug d
For t.f = 0 To 0.35 Step 0.1
  Debug t
Next
DataSection
  Weights:
  Data.d 0.7
EndDataSection
Restore Weights
Read.f w(0)
Debug w(0)
; expect:
; 5.1999998093
; 5.1999998093
; 5.2
; 5.2999997139
; 0.1000000015
; 1.1000000238
; 0.3333333433
; 5.300
; 5.2999997139
; 0
; 0.1000000015
; 0.200000003
; 0.3000000119
; 0.6999999881

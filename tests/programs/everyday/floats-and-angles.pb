; Infinity and NaN as values, told apart by IsInfinity and IsNAN; angles between degrees and
; radians
inf.d = Infinity()
nan.d = NaN()
Debug Str(IsInfinity(inf)) + Str(IsInfinity(-inf)) + Str(IsInfinity(1.5)) + Str(IsInfinity(nan))
Debug Str(IsNAN(nan)) + Str(IsNAN(inf)) + Str(IsNAN(0.0))
Debug Bool(inf > 1000000000)
Debug StrD(Radian(180), 6)
Debug StrD(Degree(#PI / 2), 6)
Debug StrD(Sin(Radian(30)), 6)
Debug StrD(Radian(1 / 2), 6)
; expect:
; 1100
; 100
; 1
; 3.141593
; 90.000000
; 0.500000
; 0.008727

; Integers are 64 bits wide: products beyond 2^53 keep their low digits and wrap as natively
Procedure.q PowerMod(b.q, e.q, m.q)
  r.q = 1
  While e > 0
    If e & 1
      r = (r * b) % m
    EndIf
    b = (b * b) % m
    e >> 1
  Wend
  ProcedureReturn r
EndProcedure
seed.q = 1
For i = 1 To 4
  seed = (seed * 1103515245 + 12345) % 2147483648
  Debug seed
Next
Debug PowerMod(3, 1000, 1000000007)
Debug PowerMod(123456789, 987654321, 1000000007)
Debug Str(1 << 62)
Debug 1 << 62
total.q = 0
p.q = 1
For d = 1 To 17
  total + 9 * p * d
  p * 10
Next
Debug total
big.q = 9223372036854775807
Debug big
Debug Str(big + 1)
Debug 3037000499 * 3037000499
Debug 4294967296 * 4294967296 + 5
h.q = 1469598103934665603
h = (h ! 97) * 1099511628211
Debug h
Debug Hex(h) + " " + Hex(-9223372036854775807 - 1)
Debug Val("9223372036854775807") - 1
Debug Val("-9223372036854775808")
Debug StrU(-1) + " " + StrU(-2, #PB_Quad)
; expect:
; 1103527590
; 377401575
; 662824084
; 1147902781
; 56888193
; 652541198
; 4611686018427387904
; 4611686018427387904
; 1688888888888888889
; 9223372036854775807
; -9223372036854775808
; 9223372030926249001
; 5
; 4953267810257967366
; 44BD8AD473CD9906 8000000000000000
; 9223372036854775806
; -9223372036854775808
; 18446744073709551615 18446744073709551614

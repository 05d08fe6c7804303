; Bit operators on integers beyond 32 bits stay exact up to 2^53
big.q = 1 << 40
Debug big
Debug big | 1
Debug (big | 7) & 6
Debug big ! big
Debug big >> 38
Debug ~big
Debug -big >> 4
Debug 3000000000 | 1
Debug -3000000001 & $FF
; expect:
; 1099511627776
; 1099511627777
; 6
; 0
; 4
; -1099511627777
; -68719476736
; 3000000001
; 255

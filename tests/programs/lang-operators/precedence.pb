; The dialect's operators and how tightly they bind: shifts, % and ! before | and &, those
; before * and /, then + and -, comparisons, Not, And/Or/XOr
a = 7 : b = 2
Debug a % b
Debug a %10
Debug -7 % 2
Debug 7 % -2
Debug 1 << 4
Debug -16 >> 2
Debug 6 ! 3
Debug ~5
Debug ~-1
Debug a * b % 3
Debug 2 + 3 << 1
Debug 12 & 10 | 1
Debug a | b * 2
Debug (a | b) * 2
Debug 2 * a & 3
Debug 1 << a - 1
Debug $FF + %101
Debug %1010 * 2
v = 255
Debug v & $0F
Debug v >> 4 & 3
Debug a ! b ! a
; expect:
; 1
; 7
; -1
; 1
; 16
; -4
; 5
; -6
; 0
; 14
; 8
; 9
; 14
; 14
; 6
; 127
; 260
; 20
; 15
; 3
; 2

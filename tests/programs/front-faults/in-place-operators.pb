; Every in-place operator works as a statement
seconds = 7259
hours = seconds / 3600
remainder = seconds
remainder % 3600
minutes = remainder / 60
remainder % 60
Debug Str(hours) + " hr, " + Str(minutes) + " min, " + Str(remainder) + " sec"
a = 3
a << 2
Debug a
a >> 1
Debug a
a | 1
Debug a
a & 5
Debug a
a ! 6
Debug a
; expect:
; 2 hr, 0 min, 59 sec
; 12
; 6
; 7
; 5
; 3

; Integer literals beyond 64 bits are reported instead of wrapping; the largest ones are not
a = $10000000000000001
b = 9223372036854775808
c = $FFFFFFFFFFFFFFFF
d = 9223372036854775807
Debug "ran"
; expect:
; ran
; expect-log:
; line 2: number too large: $10000000000000001
; line 3: number too large: 9223372036854775808

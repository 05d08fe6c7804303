; IntQ: the integer part of a float, exact as a 64-bit integer beyond 2^53
Debug Str(IntQ(2.9)) + " " + Str(IntQ(-2.9)) + " " + Str(IntQ(1e15 + 0.5))
Debug Str(IntQ(1e18) + 1) + " " + Str(IntQ(Pow(2, 62)) * 2)
; expect:
; 2 -2 1000000000000000
; 1000000000000000001 -9223372036854775808

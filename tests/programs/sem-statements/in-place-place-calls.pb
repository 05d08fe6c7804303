; A place that calls something is computed once by the short form ("a(Random(3)) - 1"); where
; the statement would have to be spelled out as an assignment, it is refused instead of
; calling Random twice
Dim a(3)
a(Random(3)) - 1 - 1
a(Random(3)) - 1
Debug "runs"
; expect-log:
; line 5: not supported: an in-place update of a place that calls something: a(Random(3))-1-1
; expect:
; runs

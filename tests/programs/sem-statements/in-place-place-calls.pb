; A place that calls something is computed once by the short form ("a(Random(3)) - 1"), also
; where the statement is spelled out as an assignment (in-place-place-computed-once counts the
; calls)
Dim a(3)
a(Random(3)) - 1 - 1
a(Random(3)) - 1
Debug "runs"
; expect:
; runs

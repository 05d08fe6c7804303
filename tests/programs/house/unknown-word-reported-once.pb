; A word the translator reports is not reported again by compaction; its statement is left
; out and the rest runs.
x = ?y
Debug x
; expect:
; 0
; expect-log:
; line 3: label not found in a data section: y

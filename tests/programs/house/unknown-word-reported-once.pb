; A word the translator reports is not reported again by compaction.
x = @y
Debug x
; expect-log:
; line 2  column 3 ERROR unknow typ "@y"
; expect-error:
; Invalid or unexpected token

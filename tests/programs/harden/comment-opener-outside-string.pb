; An HTML comment opener outside a string is reported; the rest of the page runs
Debug "before"
c = d <!-- e
Debug "after"
; expect:
; before
; after
; expect-log:
; line 3  column 6 ERROR unknow typ "!"

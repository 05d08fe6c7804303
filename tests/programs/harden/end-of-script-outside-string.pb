; Markup typed outside a string is reported and does nothing when the page opens (the
; statement after it keeps the line from going on, as its closing ">" would)
Debug "before"
a = b</script><svg/onload="Debug('pwned')"> : x = 1
Debug "after"
; expect:
; before
; after
; expect-log:
; line 4: syntax error near </

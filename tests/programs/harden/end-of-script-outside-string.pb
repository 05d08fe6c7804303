; Markup typed outside a string is reported and does nothing when the page opens
Debug "before"
a = b</script><svg/onload="Debug('pwned')">
Debug "after"
; expect:
; before
; after
; expect-log:
; line 3: syntax error near </

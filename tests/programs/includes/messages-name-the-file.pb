; Messages inside an include file name the file and its own line; lines of the main
; source after an include keep their own numbers; a missing include and a cycle are
; reported once each and reading goes on
XIncludeFile "lib/broken.pbi"
IncludeFile "lib/missing.pbi"
IncludeFile "lib/loop-a.pbi"
NotThere(1)
Debug "still runs"
; expect:
; still runs
; expect-log:
; lib/broken.pbi line 3: function Not found: Unknown()
; line 5: include file not found: "lib/missing.pbi"
; lib/loop-b.pbi line 1: include file includes itself: "loop-a.pbi"
; line 7: function Not found: NotThere()

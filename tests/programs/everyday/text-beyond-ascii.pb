; Text beyond ASCII comes through translation and compaction unchanged: in a procedure, in the
; main program and in a loop the main program is cut at, Latin-1, other scripts and characters
; beyond sixteen bits
Procedure.s Greet(name$)
  ProcedureReturn "héllo " + name$ + " ✓"
EndProcedure
Debug Greet("wörld")
x$ = "日本語 😀"
Debug x$
For i = 1 To 2
  Debug Str(i) + " ∑ " + x$
Next
Repeat
  Debug "ünd 🎲" + Chr(233)
  k + 1
Until k = 1
; expect:
; héllo wörld ✓
; 日本語 😀
; 1 ∑ 日本語 😀
; 2 ∑ 日本語 😀
; ünd 🎲é

; a word-frequency console-style program
Procedure.s Pad(s.s, n)
  While Len(s) < n
    s + " "
  Wend
  ProcedureReturn s
EndProcedure
NewMap counts.i()
text$ = "the cat and the dog and the bird"
n = CountString(text$, " ") + 1
For i = 1 To n
  w$ = StringField(text$, i, " ")
  counts(w$) + 1
Next
Debug Pad("the", 5) + "|" + Str(counts("the"))
Debug Str(counts("and")) + " " + Str(counts("cat")) + " " + Str(MapSize(counts()))
total = 0
ForEach counts()
  total + counts()
Next
Debug "total " + Str(total)
; expect:
; the  |3
; 2 1 5
; total 8

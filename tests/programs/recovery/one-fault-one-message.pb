; One fault gives one message: a string left open takes the rest of its line, a block word
; alone is a block left open, and two names with only a blank between them are named together
Debug "start"
x = a b
s$ = "open + 1
"open alone
For k = 1 To 3
  Continue 2
Next
Debug "end"
For
  Debug "once"
  If
; expect:
; start
; end
; once
; expect-log:
; line 4  column 3 ERROR unknow typ "a b"
; line 5: string without closing quote
; line 6: string without closing quote
; line 8: not supported: Continue 2
; line 11: For without Next
; line 13: If without EndIf

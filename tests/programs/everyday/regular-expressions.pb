; Regular expressions on the browser's: matching, extracting into an array, replacing with
; plain text, options as flags and as a leading group, the dialect's \A anchor, empty
; matches, numbers picked with #PB_Any, and the browser's message for a bad pattern
If CreateRegularExpression(0, "[0-9]+")
  Debug MatchRegularExpression(0, "abc 123")
  Debug MatchRegularExpression(0, "abc")
  Dim found$(0)
  n = ExtractRegularExpression(0, "a1 b22 c333", found$())
  Debug Str(n) + " " + Str(ArraySize(found$()))
  For i = 0 To n - 1
    Debug found$(i)
  Next
  Debug ReplaceRegularExpression(0, "a1 b22 c333", "<$1>")
  FreeRegularExpression(0)
  Debug IsRegularExpression(0)
EndIf
If CreateRegularExpression(1, "hello", #PB_RegularExpression_NoCase)
  Debug MatchRegularExpression(1, "Say HELLO")
EndIf
If CreateRegularExpression(2, "(?i)\Aw\w+")
  Debug ReplaceRegularExpression(2, "World wide web", "X")
EndIf
r = CreateRegularExpression(#PB_Any, "x*")
Debug Bool(r >= 5000)
Debug ReplaceRegularExpression(r, "abc", "-")
If CreateRegularExpression(3, "one # a note" + #LF$ + " two", #PB_RegularExpression_Extended)
  Debug MatchRegularExpression(3, "onetwo")
EndIf
Debug "[" + RegularExpressionError() + "]"
If CreateRegularExpression(4, "a(b") = 0
  Debug RegularExpressionError()
EndIf
Debug IsRegularExpression(4)
; expect:
; 1
; 0
; 3 2
; 1
; 22
; 333
; a<$1> b<$1> c<$1>
; 0
; 1
; X wide web
; 1
; -a-b-c-
; 1
; []
; Invalid regular expression: /a(b/g: Unterminated group
; 0

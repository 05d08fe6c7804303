; A word of a block or section that is not open is reported and dropped; left in, the page
; would stop at it as an unknown name
Debug "start"
EndDataSection
EndEnumeration
EndStructure
Case 2
Default
To
Step
Debug "end"
; expect:
; start
; end
; expect-log:
; line 4: EndDataSection without DataSection
; line 5: EndEnumeration without Enumeration
; line 6: EndStructure without Structure
; line 7: Case without Select
; line 8: Default without Select
; line 9: To without For
; line 10: Step without For

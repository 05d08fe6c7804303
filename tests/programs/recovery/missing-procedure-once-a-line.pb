; A procedure that does not exist is reported once a line, however often the line calls it
Procedure NeverCalled()
  ForEach others()
    Debug "never"
  Next
EndProcedure
Debug "start"
x = Twice(1) + Twice(2) * twice(3)
y = Twice(4)
Debug "end"
; expect:
; start
; end
; expect-log:
; line 3: function Not found: others()
; line 8: function Not found: Twice()
; line 9: function Not found: Twice()

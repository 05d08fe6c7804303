; An Enumeration never closed ends at the first statement that is no member: one message,
; its constants are known, and the program after it runs
Enumeration 1
  #Red
  #Green
x = #Green
Select x
  Case #Red
    Debug "red"
  Case #Green
    Debug "green"
EndSelect
; expect:
; green
; expect-log:
; line 3: Enumeration without EndEnumeration

; An array of a structure that does not exist is reported, as a variable of one is
Dim a.Nope(3)
; expect-log:
; line 2  column 5 ERROR unknow typ "a.Nope"

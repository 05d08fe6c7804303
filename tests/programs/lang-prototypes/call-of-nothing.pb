; A procedure variable that holds no procedure stops the program when called, with its line
Prototype Action()
Procedure Hello()
  Debug "hello"
EndProcedure
Define act.Action = @Hello()
act()
act = 0
act()
Debug "never"
; expect:
; hello
; expect-error:
; line 9: called something that is not a procedure

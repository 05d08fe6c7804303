; A small game built on With and a table of behaviours: each actor holds the procedure that
; moves it, the table holds them by kind, and a procedure takes one as a parameter
Prototype.i Behaviour(x, speed)
Structure Actor
  name.s
  x.i
  speed.i
  move.Behaviour
EndStructure
Procedure.i Walk(x, speed)
  ProcedureReturn x + speed
EndProcedure
Procedure.i Run(x, speed)
  ProcedureReturn x + speed * 3
EndProcedure
Procedure.i Stay(x, speed)
  ProcedureReturn x
EndProcedure
Procedure.i Twice(step.Behaviour, x)
  ProcedureReturn step(step(x, 1), 1)
EndProcedure
Prototype Report(text.s)
Procedure Say(text.s)
  Debug "say " + text
EndProcedure
Procedure Each(tell.Report)
  tell("each")
EndProcedure
Structure Crowd
  shout.Report
EndStructure
Define crowd.Crowd
crowd\shout = @Say()
crowd\shout("go")
With crowd
  \shout("with")
EndWith
Dim tellers.Report(0)
tellers(0) = @Say()
tellers(0)("table")
Each(@Say())
Dim kinds.Behaviour(2)
kinds(0) = @Walk() : kinds(1) = @Run() : kinds(2) = @Stay()
Dim actors.Actor(2)
For i = 0 To 2
  With actors(i)
    \name = Mid("WRS", i + 1, 1)
    \speed = 2
    \move = kinds(i)
  EndWith
Next
For turn = 1 To 3
  For i = 0 To 2
    With actors(i)
      \x = \move(\x, \speed)
    EndWith
  Next
Next
For i = 0 To 2
  Debug actors(i)\name + " " + Str(actors(i)\x)
Next
Define pick.Behaviour = @Run()
Debug Str(pick(1, 1)) + " " + Str(kinds(0)(10, 5)) + " " + Str(Twice(@Walk(), 0))
; expect:
; say go
; say with
; say table
; say each
; W 6
; R 18
; S 0
; 4 15 2

; Compaction renames names consistently: fields named like the browser's own (Event, length),
; a variable named Event, globals changed in procedures and recursion
Structure Pair
  Event.i
  length.i
EndStructure
Global counter, Event
Procedure Bump(by)
  counter = counter + by
  ProcedureReturn counter
EndProcedure
Procedure Fact(n)
  If n < 2
    ProcedureReturn 1
  EndIf
  ProcedureReturn n * Fact(n - 1)
EndProcedure
Define o.Pair
o\Event = 4
o\length = 5
Event = o\Event + o\length
Bump(Fact(5))
Bump(-1)
Dim list(3)
list(3) = Event
Debug Str(counter) + "," + Str(Event) + "," + Str(ArraySize(list())) + "," + Str(list(3))
; expect:
; 119,9,3,9

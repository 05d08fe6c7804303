; A data section inside a procedure lies in the heap with the others: ?label reaches it
Procedure.s Greeting()
  ProcedureReturn PeekS(?hello)
  DataSection
    hello:
    Data.s "hi there"
  EndDataSection
EndProcedure
DataSection
  numbers:
  Data.l 7, 9
EndDataSection
Debug Greeting()
Debug PeekL(?numbers + 4)
; expect:
; hi there
; 9

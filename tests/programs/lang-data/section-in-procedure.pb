; A data section written inside a procedure, or inside a block, belongs to the whole program
Procedure Names()
  Restore names
  Read.s a$
  Read.s b$
  Debug a$ + b$
  DataSection
    names:
    Data.s "ab", "cd"
  EndDataSection
EndProcedure
Names()
If #True
  DataSection
    numbers:
    Data.i 4, 5
  EndDataSection
EndIf
Restore numbers
Read x
Read y
Debug x * y
; expect:
; abcd
; 20

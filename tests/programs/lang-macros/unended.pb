; A Macro without its EndMacro is reported at its own line; its body is not the program's
Debug "before"
Macro Open(v)
  Debug v
; expect:
; before
; expect-log:
; line 3: Macro without EndMacro

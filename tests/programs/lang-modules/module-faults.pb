; Module blocks out of place are reported with their lines: an end without its block, a
; module inside a procedure, a Module without its DeclareModule, a UseModule without one name,
; one left open; a module's code sees the modules its own UseModule names
DeclareModule Sound
  Global volume
  Declare Beep()
EndDeclareModule
DeclareModule Player
  Declare Play()
EndDeclareModule
Module Sound
  Procedure Beep()
    volume + 1
  EndProcedure
EndModule
Module Player
  UseModule Sound
  Procedure Play()
    Beep() : Beep()
    Debug "volume " + Str(volume)
  EndProcedure
EndModule
Player::Play()
EndModule
Procedure P()
  Module Inner
EndProcedure
Module Missing
EndModule
UseModule
UseModule Sound Player
DeclareModule Open
  Global x
; expect-log:
; line 24: EndModule without Module
; line 26: not supported: Module inside a module or a block
; line 28: module not found: Missing
; line 30: syntax error near end of statement
; line 31: syntax error near Player
; line 32: DeclareModule without EndDeclareModule

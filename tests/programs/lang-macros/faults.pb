; A use that cannot be replaced is reported with the line of the use and left out: never
; expanded forever, never half replaced
Macro Again(v)
  Again(v) + 1
EndMacro
Macro Ping(v)
  Pong(v)
EndMacro
Macro Pong(v)
  Ping(v)
EndMacro
Macro Two(a, b)
  a + b
EndMacro
Macro Lines(v)
  Debug v
  Debug v * 2
EndMacro
Macro Two(a)
  a
EndMacro
Debug "start"
x = Again(1)
x = Ping(1)
Debug Two(1)
Debug Two(1, 2, 3)
Debug Two
y = Lines(3) + 1
Debug Two(Lines(1), 2)
Debug Two(1, 2)
EndMacro
; expect:
; start
; 3
; expect-log:
; line 19: macro redefined: Two
; line 23: not supported: macro that uses itself: Again
; line 24: not supported: macro that uses itself: Ping
; line 25: missing argument b of macro Two
; line 26: too many arguments for macro Two
; line 27: macro Two needs its arguments in brackets
; line 28: not supported: macro of several statements in an expression: Lines
; line 29: not supported: macro of several statements in an expression: Lines
; line 31: EndMacro without Macro

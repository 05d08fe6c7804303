; A message inside an expanded macro carries the line where the macro is used
Macro Broken(v)
  Debug v + UnknownThing(1)
EndMacro
a = 1

Broken(a)
; expect-log:
; line 7: function Not found: UnknownThing()

; DisableExplicit ends the check, EnableExplicit starts it again; a macro's variables are
; reported at the line where the macro is used
Macro AddTo(v)
  v + inc
EndMacro
EnableExplicit
Define a = 1
DisableExplicit
b = a + 1
inc = 2
AddTo(b)
EnableExplicit
Debug b
AddTo(a)
Debug Str(a) + Str(c)
; expect-log:
; line 13: variable not declared: b
; line 14: variable not declared: inc
; line 15: variable not declared: c
; expect:
; 4
; 30

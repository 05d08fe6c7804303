; Compiler blocks that do not match are reported; an unknown constant in a condition is
; reported once and the branch is not taken
CompilerIf #NotDefinedAnywhere = 1
  Debug "no"
CompilerEndIf
CompilerEndIf
CompilerCase 1
CompilerIf 1
  Debug "open"
; expect:
; open
; expect-log:
; line 3 const Not found: #NotDefinedAnywhere
; line 6: CompilerEndIf without CompilerIf
; line 7: CompilerCase without CompilerSelect
; line 8: CompilerIf without CompilerEndIf

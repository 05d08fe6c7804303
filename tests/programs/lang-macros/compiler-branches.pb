; A macro defined in a CompilerIf branch that is not taken does not exist; directives in a
; body choose where the macro is used; Defined() knows macros
#Fancy = 1
CompilerIf #Fancy
  Macro Tag(t)
    "<" + t + ">"
  EndMacro
CompilerElse
  Macro Tag(t)
    t
  EndMacro
  Macro Plain(t)
    t
  EndMacro
CompilerEndIf
Macro Styled(v)
  CompilerIf Defined(Plain, #PB_Macro)
    Debug "plain " + v
  CompilerElse
    Debug "fancy " + v
  CompilerEndIf
EndMacro
Debug Tag("b")
CompilerIf Defined(Tag, #PB_Macro)
  Debug "Tag is a macro"
CompilerEndIf
Styled("x")
; expect:
; <b>
; Tag is a macro
; fancy x

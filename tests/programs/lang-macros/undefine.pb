; After UndefineMacro a name is no macro any more: it may be defined anew, and a use of it
; is an ordinary name again
Macro Greet(who)
  Debug "hello " + who
EndMacro
Greet("a")
UndefineMacro Greet
Macro Greet(who)
  Debug "bye " + who
EndMacro
Greet("b")
UndefineMacro Greet
UndefineMacro NeverDefined
Greet("c")
; expect:
; hello a
; bye b
; expect-log:
; line 14: function Not found: Greet()

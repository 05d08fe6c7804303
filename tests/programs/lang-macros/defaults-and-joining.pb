; A parameter may have a default, taken when its argument is left out or empty; "#" joins a
; parameter to the text beside it
Macro Pick(list, index = 1, separator = ",")
  StringField(list, index, separator)
EndMacro
Macro Counter(n)
  count#n + 1
EndMacro
Macro Suffixed(n)
  n#_total * 2
EndMacro
count3 = 10
apples_total = 4
Debug Pick("p,q")
Debug Pick("p,q", 2)
Debug Pick("p;q;r", 3, ";")
Debug Pick("p,q", , ";")
Debug Counter(3)
Debug Suffixed(apples)
; expect:
; p
; q
; r
; p,q
; 11
; 8

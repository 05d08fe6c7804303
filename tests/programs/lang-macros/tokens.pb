; Parameters are replaced token by token: not inside a string, not inside a longer name, not
; as a structure field; an argument keeps its text, so Twice(a + 1) is a + 1 * 2, and commas
; inside brackets or strings do not split arguments
Structure Point
  x.i
EndStructure
Define pt.Point
Macro Twice(x)
  x * 2
EndMacro
Macro Show(label, value)
  Debug "label value: " + label + " = " + Str(value) + "/" + Str(valueCount) ; value
EndMacro
Macro SetX(p, x)
  p\x = x
EndMacro
a = 4
valueCount = 2
Debug Twice(a + 1)
Debug Twice((a + 1))
Show("sum", a + Twice(1))
Show(StringField("x,y,z", 2, ","), Len("a,b"))
SetX(pt, 5)
Debug pt\x
; expect:
; 6
; 10
; label value: sum = 6/2
; label value: y = 3/2
; 5

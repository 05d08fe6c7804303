; Keys stay in insertion order, numbers as keys included; deleting inside ForEach; ResetMap and NextMapElement
Global NewMap names.s()
names("10") = "ten"
names("2") = "two"
names("b") = "bee"
ForEach names()
  If MapKey(names()) = "2"
    DeleteMapElement(names())
  EndIf
Next
ResetMap(names())
While NextMapElement(names())
  Debug MapKey(names()) + " " + names()
Wend
; expect:
; 10 ten
; b bee

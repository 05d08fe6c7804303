; a list of structures whose elements hold lists of their own
Structure Actor
  name$
  List trail.i()
EndStructure
NewList actors.Actor()
AddElement(actors())
actors()\name$ = "a"
AddElement(actors()\trail()) : actors()\trail() = 5
AddElement(actors()\trail()) : actors()\trail() = 7
s = 0
ForEach actors()\trail()
  s + actors()\trail()
Next
Debug actors()\name$ + Str(s) + " " + Str(ListSize(actors()\trail()))
; expect:
; a12 2

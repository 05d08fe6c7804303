; A structure that extends another has the other's fields first; lists and maps of structures
Structure Animal
  name.s
  legs.i
EndStructure
Structure Dog Extends Animal
  breed.s
EndStructure
d.Dog
d\name = "rex" : d\legs = 4 : d\breed = "collie"
Debug d\name + " " + Str(d\legs) + " " + d\breed
Debug SizeOf(Dog)
NewList pack.Dog()
AddElement(pack()) : pack()\name = "a" : pack()\legs = 3
NewMap zoo.Animal()
zoo("cat")\legs = 4
zoo("bird")\legs = 2
Debug pack()\name + Str(pack()\legs) + " " + Str(zoo("cat")\legs + zoo("bird")\legs)
; expect:
; rex 4 collie
; 24
; a3 6

; A structure named like a basic type is refused (the page has its own factory of that name),
; and one named above its declaration is unknown there: the list then holds integers, and its
; uses still run
Structure Int
  v.i
EndStructure
NewList early.Later()
Structure Later
  v.i
EndStructure
NewList late.Later()
AddElement(early())
early() = 7
AddElement(late())
late()\v = 8
Debug early() + late()\v
x.i = 2
Debug x
; expect:
; 15
; 2
; expect-log:
; line 4: reserved structure name: Int
; line 7  column 9 ERROR unknow typ "early.Later"

; A union's fields would share one place: the page cannot give them one, so it is refused
Structure Colour
  StructureUnion
    value.l
    bytes.a[4]
  EndStructureUnion
EndStructure
Define c.Colour
c\value = 1
Debug c\value
; expect-log:
; line 3: not supported: StructureUnion
; expect:
; 1

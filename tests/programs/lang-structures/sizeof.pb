; SizeOf the built-in types and of structures
Structure Pixel
  x.w
  y.w
  colour.l
EndStructure
Debug Str(SizeOf(Integer)) + " " + Str(SizeOf(Long)) + " " + Str(SizeOf(Word)) + " " + Str(SizeOf(Byte))
Debug Str(SizeOf(Float)) + " " + Str(SizeOf(Double)) + " " + Str(SizeOf(Quad)) + " " + Str(SizeOf(Character))
Debug SizeOf(Pixel)
; expect:
; 8 4 2 1
; 4 8 8 2
; 8

; A constant may be defined by a structure's size, and a fixed string is held in place, two
; bytes a character; a static array field's count may be a constant expression
#Name = 10
Structure Entry
  name.s{#Name}
  id.l
  marks.w[#Name / 2]
  *next.Entry
EndStructure
#Record = SizeOf(Entry)
#Half = #Record / 2
CompilerIf SizeOf(Entry) > 40
  Debug "large"
CompilerElse
  Debug "small"
CompilerEndIf
Debug #Record
Debug #Half
Debug OffsetOf(Entry\id)
e.Entry
e\marks[4] = 7
Debug e\marks[4]
; expect:
; large
; 42
; 21
; 20
; 7

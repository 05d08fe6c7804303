; OffsetOf is a field's byte offset: a pointer plus it reaches the field, and a structured
; sort still compares the field it names, also through a number the program keeps
Structure Player
  id.w
  score.l
  name$
EndStructure
Debug Str(OffsetOf(Player\id)) + " " + Str(OffsetOf(Player\score)) + " " + Str(OffsetOf(Player\name)) + " " + Str(SizeOf(Player))
*p.Player = AllocateStructure(Player)
*p\score = 77
Debug PeekL(*p + OffsetOf(Player\score))
PokeW(*p + OffsetOf(Player\id), 5)
Debug *p\id
Dim team.Player(2)
team(0)\score = 30 : team(0)\name$ = "c"
team(1)\score = 10 : team(1)\name$ = "a"
team(2)\score = 20 : team(2)\name$ = "b"
by = OffsetOf(Player\score)
SortStructuredArray(team(), #PB_Sort_Ascending, by, #PB_Long)
Debug team(0)\name$ + team(1)\name$ + team(2)\name$
; expect:
; 0 2 6 14
; 77
; 5
; abc

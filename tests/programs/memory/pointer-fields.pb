; Structures in the heap reached through pointers: fields of every width at their byte
; offsets, nested structures and static arrays, a linked chain through pointer fields, and
; the built-in types as one-field structures
Structure Point
  x.l
  y.w
EndStructure
Structure Node
  value.i
  pos.Point
  marks.b[3]
  *next.Node
EndStructure
Debug SizeOf(Node)
*first.Node = AllocateMemory(SizeOf(Node))
*first\value = 10
*first\pos\x = -7
*first\pos\y = 40000
*first\marks[2] = 5
*first\value + 5
Debug Str(*first\value) + " " + Str(*first\pos\x) + " " + Str(*first\pos\y) + " " + Str(*first\marks[2])
Debug Str(PeekL(*first + 8)) + " " + Str(PeekA(*first + 16))
; a chain of three nodes, walked through its pointer fields
*n.Node = *first
For i = 2 To 3
  *n\next = AllocateMemory(SizeOf(Node))
  *n = *n\next
  *n\value = i * 100
Next
total = 0
*n = *first
While *n
  total + *n\value
  *n = *n\next
Wend
Debug total
Debug *first\next\next\value
; a text walked character by character
*text = AllocateMemory(32)
PokeS(*text, "heap")
*c.Character = *text
s$ = ""
While *c\c
  s$ = Chr(*c\c - 32) + s$
  *c + SizeOf(Character)
Wend
Debug s$
*l.Long = *first + 8
*l\l = 99
Debug *first\pos\x
*s.Point = AllocateStructure(Point)
Debug Str(MemorySize(*s)) + " " + Str(*s\x)
FreeStructure(*s)
; expect:
; 25
; 15 -7 -25536 5
; -7 5
; 515
; 300
; PAEH
; 99
; 6 0

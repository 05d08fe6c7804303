; A pointer is a variable holding an address of the page's heap: declared, passed, compared
; and moved on like any integer, with no message. A field through a pointer that points at
; no structure, or at a field the structure lacks, is reported once a line and its statement
; left out; the rest of the program runs
Structure Point
  x.i
EndStructure
Define *a.i
*a = AllocateMemory(16)
If *a
  n = 1
EndIf
Procedure Show(*v.Point, label$)
  Protected *q.Point
  *q = *v + 8
  Debug label$ + " " + Str(*q - *v)
  *v\x = 3
  Debug *v\x
EndProcedure
Global *buf
*buf = *a
PokeL(*buf + 4, 77)
Show(*buf, "shown")
*plain = *a
*plain\x = 1
*v2.Point = *a
*v2\z = 2
Debug "end " + Str(n) + " " + Str(PeekL(*a + 4))
; expect:
; shown 8
; 3
; end 1 0
; expect-log:
; line 25: not supported: a field through the pointer *plain, which has no structure
; line 27: not supported: field z of point through a pointer

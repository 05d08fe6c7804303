; A pointer is a variable holding an address of the page's heap: declared, passed, compared
; and moved on like any integer, with no message. A field reached through a pointer is
; reported once for each pointer, and its statement left out; the rest of the program runs
Structure Point
  x.i
  *next.Point
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
Debug PeekL(*a + 4)
p.Point
p\x = 2
p\next\x = 4
Debug "end " + Str(n) + " " + Str(p\x)
; expect:
; shown 8
; 0
; 77
; end 1 2
; expect-log:
; line 17: not supported: a field through the pointer *v
; line 27: not supported: a field through the pointer *next

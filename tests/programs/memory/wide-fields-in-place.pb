; 64-bit fields and pointers through a typed pointer are read and written in place where the
; value fits 32 bits, and exactly through Peek and Poke where it does not, aligned or not
Structure Cell
  v.i
  q.q
  *next.Cell
EndStructure
Structure Odd
  tag.b
  v.i
EndStructure
*a.Cell = AllocateMemory(SizeOf(Cell))
*b.Cell = AllocateMemory(SizeOf(Cell))
*a\next = *b
*b\next = 0
s$ = ""
For k = 0 To 6
  Select k
    Case 0 : x.q = 5
    Case 1 : x = -7
    Case 2 : x = 2147483647 + 1
    Case 3 : x = -2147483648
    Case 4 : x = 1 << 40
    Case 5 : x = 1 << 62
    Case 6 : x = -9223372036854775807 - 1
  EndSelect
  *a\next\v = x
  *a\q = x - 1
  s$ + Str(*b\v) + "/" + Str(*a\q) + " "
Next
Debug s$
*o.Odd = AllocateMemory(SizeOf(Odd))
*o\tag = -1
*o\v = 123456
Debug Str(*o\v) + " " + Str(*o\tag) + " " + Str(PeekI(*o + 1)) + " " + Str(PeekL(*b)) + " " + Str(PeekL(*b + 4))
n = 0
*p.Cell = *a
While *p
  n + 1
  *p = *p\next
Wend
Debug Str(n)
; expect:
; 5/4 -7/-8 2147483648/2147483647 -2147483648/-2147483649 1099511627776/1099511627775 4611686018427387904/4611686018427387903 -9223372036854775808/9223372036854775807 
; 123456 -1 123456 0 -2147483648
; 2

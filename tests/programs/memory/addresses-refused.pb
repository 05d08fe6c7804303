; What has no address in the page is refused with its line, and so is what would read or
; write a variable in the heap other than through its name or a pointer
Structure Named
  name.s
  n.l
EndStructure
Define who.Named
*w = @who
For i = 1 To 3
  x = @i
Next
Dim a(3)
*e = @a(1)
*f = @a()
NewList l()
*g = @l()
n = 1
m = 2
Swap n, m
*h = @n
s$ = "a"
Read.s s$
*k = @s$
Structure P
  x.l
EndStructure
Define p.P, q.P
*r = @p
q = p
p = q
DataSection
  Data.s "x"
EndDataSection
; expect-log:
; line 8: not supported: address @who of a structure with strings, lists, maps or arrays
; line 9: not supported: a For counter whose address is taken
; line 13: not supported: address @a of an array, list or map or an element
; line 14: not supported: address @a of an array, list or map or an element
; line 16: not supported: address @l of an array, list or map or an element
; line 19: not supported: Read or Swap of a variable whose address is taken
; line 22: not supported: Read or Swap of a variable whose address is taken
; line 29: not supported: a structure of the heap copied to or from one of the script
; line 30: not supported: a structure of the heap copied to or from one of the script

; A variable whose address is taken is read and written by its name in place in the heap, at
; every width, in loops too, and a pointer to it sees the same place; a value whose
; computing grows the heap (a large block allocated on the way) still lands where it should
Procedure.l Grown(value)
  *big = AllocateMemory(300000)
  PokeL(*big + 299996, value)
  ProcedureReturn PeekL(*big + 299996)
EndProcedure
b.b = 120 : a.a = 250 : w.w = 32000 : u.u = 65000 : c.c = 66 : l.l = 2147483000
f.f = 0.5 : d.d = 0.25 : i.i = 1
*pb = @b : *pa = @a : *pw = @w : *pu = @u : *pc = @c : *pl = @l : *pf = @f : *pd = @d : *pi = @i
For k = 1 To 10
  b + 1 : a + 1 : w + 1000 : u + 100 : c + 1 : l + 100
  f * 2 : d + 0.25 : i * 3
Next
Debug Str(b) + " " + Str(a) + " " + Str(w) + " " + Str(u) + " " + Str(c) + " " + Str(l)
Debug Str(f * 4) + " " + Str(d * 4) + " " + Str(i)
Debug Str(PeekB(*pb)) + " " + Str(PeekA(*pa)) + " " + Str(PeekW(*pw)) + " " + Str(PeekU(*pu)) + " " + Str(PeekC(*pc)) + " " + Str(PeekL(*pl))
Debug Str(PeekF(*pf) * 4) + " " + Str(PeekD(*pd) * 4) + " " + Str(PeekI(*pi))
Debug l
l = Grown(77)
Debug Str(l) + " " + Str(PeekL(*pl))
Structure Cell
  v.l
EndStructure
*cell.Cell = AllocateMemory(SizeOf(Cell))
*cell\v = 1
Debug *cell\v
*cell\v = Grown(88)
Debug *cell\v
Debug d * 4
d = Grown(5) / 2
Debug Str(d * 4) + " " + Str(PeekD(*pd) * 4)
; expect:
; -126 4 -23536 464 76 -2147483296
; 2048 11 59049
; -126 4 -23536 464 76 -2147483296
; 2048 11 59049
; -2147483296
; 77 77
; 1
; 88
; 11
; 10 10

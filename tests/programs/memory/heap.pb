; A block of memory holds numbers of every width, little-endian, signed or not as each Peek
; reads them; blocks grow, shrink, fill, copy and compare, and a freed block's room is reused
m = AllocateMemory(64)
Debug MemorySize(m)
Debug PeekL(m + 60)
PokeL(m, -2)
Debug Str(PeekL(m)) + " " + Str(PeekA(m)) + " " + Str(PeekB(m)) + " " + Str(PeekU(m)) + " " + Str(PeekW(m + 2))
PokeW(m + 5, 40000)
Debug Str(PeekW(m + 5)) + " " + Str(PeekU(m + 5)) + " " + Str(PeekA(m + 5)) + " " + Str(PeekA(m + 6))
PokeQ(m + 8, 123456789012)
Debug PeekQ(m + 8)
Debug PeekL(m + 8)
PokeI(m + 16, -5)
Debug PeekI(m + 16)
PokeQ(m + 16, 9223372036854775807)
Debug PeekQ(m + 16)
Debug Str(PeekL(m + 16)) + " " + Str(PeekL(m + 20))
PokeQ(m + 16, -9007199254740993)
Debug PeekQ(m + 16)
PokeL(m + 16, 1 << 40 + 7)
Debug PeekL(m + 16)
PokeD(m + 24, 2.5)
Debug PeekD(m + 24)
PokeF(m + 32, 0.75)
Debug PeekF(m + 32)
PokeL(m + 37, 305419896)
Debug Hex(PeekL(m + 37)) + " " + Hex(PeekA(m + 37)) + " " + Hex(PeekA(m + 40))
FillMemory(m, 8, $AB)
Debug Str(PeekA(m + 4)) + " " + Str(PeekA(m + 7))
FillMemory(m, 8, $1234, #PB_Word)
Debug Hex(PeekL(m))
CopyMemory(m, m + 48, 8)
Debug CompareMemory(m, m + 48, 8)
PokeB(m + 49, 0)
Debug CompareMemory(m, m + 48, 8)
; overlapping moves keep what they move
For i = 0 To 7 : PokeA(m + i, i + 1) : Next
MoveMemory(m, m + 2, 6)
s$ = ""
For i = 0 To 7 : s$ + Str(PeekA(m + i)) : Next
Debug s$
MoveMemory(m + 2, m, 6)
s$ = ""
For i = 0 To 7 : s$ + Str(PeekA(m + i)) : Next
Debug s$
m = ReAllocateMemory(m, 200)
Debug Str(MemorySize(m)) + " " + Str(PeekA(m + 1)) + " " + Str(PeekA(m + 199))
a = AllocateMemory(16)
FreeMemory(a)
b = AllocateMemory(8)
Debug Bool(b = a)
Debug AllocateMemory(0)
; expect:
; 64
; 0
; -2 254 -2 65534 -1
; -25536 40000 64 156
; 123456789012
; -1097262572
; -5
; 9223372036854775807
; -1 2147483647
; -9007199254740993
; 7
; 2.5
; 0.75
; 12345678 78 12
; 171 171
; 12341234
; 1
; 0
; 12123456
; 12345656
; 200 2 0
; 1
; 0

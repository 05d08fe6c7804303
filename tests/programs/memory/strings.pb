; Text in memory in the three formats, with and without its zero, and a walk over the
; characters of a buffer
t = AllocateMemory(64)
Debug PokeS(t, "Héllo")
Debug PeekS(t)
Debug MemoryStringLength(t)
Debug PeekS(t, 2)
Debug Str(PeekC(t + 2)) + " " + Str(PeekA(t + 10)) + " " + Str(PeekA(t + 11))
Debug PokeS(t, "Héllo", -1, #PB_UTF8)
Debug PeekS(t, -1, #PB_UTF8)
Debug Str(PeekA(t + 1)) + " " + Str(PeekA(t + 2))
Debug PokeS(t, "abc", -1, #PB_Ascii)
Debug PeekS(t, -1, #PB_Ascii) + " " + Str(MemoryStringLength(t, #PB_Ascii))
PokeS(t, "abcd", -1, #PB_Ascii)
PokeS(t, "xy", -1, #PB_Ascii | #PB_String_NoZero)
Debug PeekS(t, -1, #PB_Ascii)
PokeS(t, "abcdef", 3, #PB_Ascii)
Debug PeekS(t, -1, #PB_Ascii)
; count the vowels, two bytes a character
PokeS(t, "programming in memory")
n = 0
c = t
While PeekC(c)
  Select Chr(PeekC(c))
    Case "a", "e", "i", "o", "u"
      n + 1
  EndSelect
  c + 2
Wend
Debug n
; expect:
; 10
; Héllo
; 5
; Hé
; 233 0 0
; 6
; Héllo
; 195 169
; 3
; abc 3
; xycd
; abc
; 6

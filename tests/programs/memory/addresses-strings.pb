; The address of a string variable: its text in the heap two bytes a character with a zero
; after it, walked through a typed pointer, changed in place, and read back through the name
text$ = "Walk"
*c.Character = @text$
out$ = ""
n = 0
While *c\c
  out$ + Chr(*c\c) + "."
  n + 1
  *c + SizeOf(Character)
Wend
Debug out$ + " " + Str(n)
Debug Str(PeekC(@text$ + 8)) + " " + Str(MemoryStringLength(@text$))
; uppercase in place, then read the variable
s$ = "hello, world"
*p.Character = @s$
While *p\c
  If *p\c >= 'a' And *p\c <= 'z'
    *p\c - 32
  EndIf
  *p + 2
Wend
Debug s$
Debug Len(s$)
; the same address while the text fits; the name and the pointer agree after each write
a = @s$
s$ = "short"
Debug Bool(@s$ = a)
Debug PeekS(a)
PokeS(@s$, "xy")
Debug s$ + "|" + Str(Len(s$))
s$ + " and a much longer text than before"
Debug PeekS(@s$)
; an empty string has an address too, with just its zero
e$ = ""
Debug PeekC(@e$)
Debug "[" + e$ + "]"
; a local string in a procedure, and one passed in
Procedure.s Shout(word$)
  Protected *q.Character = @word$
  *q\c = *q\c - 32
  ProcedureReturn word$
EndProcedure
Debug Shout("quiet")
Define name$ = "ada"
Debug Shout(name$) + " " + name$
; expect:
; W.a.l.k. 4
; 0 4
; HELLO, WORLD
; 12
; 1
; short
; xy|2
; xy and a much longer text than before
; 0
; []
; Quiet
; Ada ada

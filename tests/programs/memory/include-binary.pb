; A data section's bytes in the heap: a file's bytes, then values of each width packed one
; after another, read through the labels' addresses; Read still reads the values
DataSection
  Text:
  IncludeBinary "include-binary.txt"
  TextEnd:
  Numbers: : Data.b -2
  Data.w 1000
  Data.l -70000
  Data.q 5000000000
  Data.f 1.5
  Data.d 2.25
  Data.s "Zoë"
  Data.a 200
  Tail:
EndDataSection

Debug ?TextEnd - ?Text
Debug PeekS(?Text, ?TextEnd - ?Text, #PB_UTF8)
*p = ?Numbers
Debug PeekB(*p)
Debug PeekW(*p + 1)
Debug PeekL(*p + 3)
Debug PeekQ(*p + 7)
Debug PeekF(*p + 15)
Debug PeekD(*p + 19)
Debug PeekS(*p + 27)
Debug PeekA(?Tail - 1)
Debug ?Tail - ?Numbers
*copy = AllocateMemory(?TextEnd - ?Text)
CopyMemory(?Text, *copy, MemorySize(*copy))
Debug PeekS(*copy, 1, #PB_Ascii)
Restore Numbers
Read.b b
Read.w w
Debug Str(b) + " " + Str(w)
Procedure.s Greeting()
  ProcedureReturn PeekS(?Text, 1, #PB_Ascii) + PeekS(?Text + 3, 4, #PB_Ascii)
EndProcedure
Debug Greeting()
; expect:
; 12
; Héllo, page
; -2
; 1000
; -70000
; 5000000000
; 1.5
; 2.25
; Zoë
; 200
; 36
; H
; -2 1000
; Hllo,

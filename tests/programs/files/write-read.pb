; A file written and read back: strings in three formats, numbers of every width, positions
If CreateFile(0, "out.bin")
  WriteStringN(0, "first line")
  WriteString(0, "Grüße", #PB_UTF8)
  WriteByte(0, 10)
  WriteString(0, "AB", #PB_Unicode)
  WriteByte(0, -2)
  WriteWord(0, -300)
  WriteLong(0, 123456789)
  WriteQuad(0, -5000000000)
  WriteFloat(0, 1.5)
  WriteDouble(0, -2.25)
  WriteCharacter(0, 233)
  Debug "written " + Str(Loc(0)) + " of " + Str(Lof(0))
  CloseFile(0)
EndIf
Debug FileSize("out.bin")
f = ReadFile(#PB_Any, "out.bin")
Debug Bool(f >= 5000)
Debug ReadString(f)
Debug ReadString(f, #PB_UTF8)
Debug ReadString(f, #PB_Unicode, 2)
Debug ReadByte(f)
Debug ReadWord(f)
Debug ReadLong(f)
Debug ReadQuad(f)
Debug StrF(ReadFloat(f), 2)
Debug StrD(ReadDouble(f), 2)
Debug ReadCharacter(f)
Debug Eof(f)
FileSeek(f, 6)
Debug ReadString(f, #PB_Ascii)
Debug ReadLong(f)
Debug Eof(f)
CloseFile(f)
Debug ReadFile(1, "missing.txt")
Debug FileSize("missing.txt")
; expect:
; written 52 of 52
; 52
; 1
; first line
; Grüße
; AB
; -2
; -300
; 123456789
; -5000000000
; 1.50
; -2.25
; 233
; 1
; line
; -1128041913
; 0
; 0
; -1

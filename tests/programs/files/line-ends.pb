; Line ends of every kind, a byte order mark, a file opened as UTF-16, and names written the
; desktop's way
If CreateFile(0, "ends.txt")
  WriteByte(0, $EF) : WriteByte(0, $BB) : WriteByte(0, $BF)
  WriteString(0, "one" + Chr(13) + Chr(10) + "two" + Chr(13) + "three" + Chr(10) + Chr(10) + "five")
  CloseFile(0)
EndIf
ReadFile(0, "ends.txt")
While Not Eof(0)
  Debug "[" + ReadString(0) + "]"
Wend
CloseFile(0)
If CreateFile(1, "wide.txt", #PB_Unicode)
  WriteStringN(1, "wide é")
  WriteString(1, "ok")
  Debug Lof(1)
  CloseFile(1)
EndIf
If ReadFile(1, "Wide.TXT", #PB_Unicode)
  Debug ReadString(1)
  Debug ReadString(1)
  CloseFile(1)
EndIf
Debug FileSize("DATA\..\data\Greeting.TXT")
Debug FileSize("C:\data\greeting.txt")
Debug FileSize("./data/./numbers.txt")
; expect:
; [one]
; [two]
; [three]
; []
; [five]
; 18
; wide é
; ok
; 41
; 41
; 8
